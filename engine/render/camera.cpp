// The pixel-exact perspective camera of the render device, in row-vector matrices (v' = v × M).
#include "engine/render/camera.h"

#include <cmath>
#include <numbers>

WMATRIX WMATRIX::Identity() {
    WMATRIX r;
    for (int i = 0; i < 4; ++i) {
        r.m[i][i] = 1.0f;
    }
    return r;
}

WMATRIX WMATRIX::Scaling(float sx, float sy, float sz) {
    WMATRIX r = Identity();
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    return r;
}

WMATRIX WMATRIX::Translation(float tx, float ty, float tz) {
    WMATRIX r = Identity();
    r.m[3][0] = tx;
    r.m[3][1] = ty;
    r.m[3][2] = tz;
    return r;
}

WMATRIX WMATRIX::RotationYawPitchRoll(float yaw, float pitch, float roll) {
    WMATRIX z = Identity();
    z.m[0][0] = std::cos(roll);
    z.m[0][1] = std::sin(roll);
    z.m[1][0] = -std::sin(roll);
    z.m[1][1] = std::cos(roll);
    WMATRIX x = Identity();
    x.m[1][1] = std::cos(pitch);
    x.m[1][2] = std::sin(pitch);
    x.m[2][1] = -std::sin(pitch);
    x.m[2][2] = std::cos(pitch);
    WMATRIX y = Identity();
    y.m[0][0] = std::cos(yaw);
    y.m[0][2] = -std::sin(yaw);
    y.m[2][0] = std::sin(yaw);
    y.m[2][2] = std::cos(yaw);
    return z * x * y;
}

namespace {

void Normalise(float v[3]) {
    float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length > 0.0f) {
        v[0] /= length;
        v[1] /= length;
        v[2] /= length;
    }
}

void Cross(const float a[3], const float b[3], float out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

float Dot(const float a[3], const float b[3]) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

}  // namespace

WMATRIX WMATRIX::LookAtLH(const float eye[3], const float target[3], const float up[3]) {
    float zaxis[3] = {target[0] - eye[0], target[1] - eye[1], target[2] - eye[2]};
    Normalise(zaxis);
    float xaxis[3];
    Cross(up, zaxis, xaxis);
    Normalise(xaxis);
    float yaxis[3];
    Cross(zaxis, xaxis, yaxis);
    WMATRIX r = Identity();
    for (int i = 0; i < 3; ++i) {
        r.m[i][0] = xaxis[i];
        r.m[i][1] = yaxis[i];
        r.m[i][2] = zaxis[i];
    }
    r.m[3][0] = -Dot(xaxis, eye);
    r.m[3][1] = -Dot(yaxis, eye);
    r.m[3][2] = -Dot(zaxis, eye);
    return r;
}

WMATRIX WMATRIX::PerspectiveFovLH(float fov_y, float aspect, float near_z, float far_z) {
    float y_scale = 1.0f / std::tan(fov_y / 2.0f);
    WMATRIX r;
    r.m[0][0] = y_scale / aspect;
    r.m[1][1] = y_scale;
    r.m[2][2] = far_z / (far_z - near_z);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -near_z * far_z / (far_z - near_z);
    return r;
}

WMATRIX operator*(const WMATRIX& a, const WMATRIX& b) {
    WMATRIX r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += a.m[i][k] * b.m[k][j];
            }
            r.m[i][j] = sum;
        }
    }
    return r;
}

void TransformPoint(const WMATRIX& m, float x, float y, float z, float out[4]) {
    for (int j = 0; j < 4; ++j) {
        out[j] = x * m.m[0][j] + y * m.m[1][j] + z * m.m[2][j] + m.m[3][j];
    }
}

// The eye looks at the middle of the back buffer from the distance at which a 45° field of view
// spans exactly its height, so z = 0 maps one unit to one pixel. The world rotation mirrors y
// (y grows downward on screen) and z.
void WCAMERA::Setup(int back_buffer_width, int back_buffer_height) {
    constexpr float kPi = std::numbers::pi_v<float>;
    float w = float(back_buffer_width > 0 ? back_buffer_width : 1);
    float h = float(back_buffer_height > 0 ? back_buffer_height : 1);
    world = WMATRIX::RotationYawPitchRoll(kPi, 0.0f, kPi);
    eye_distance = (h / 2.0f) / std::tan(kPi / 8.0f);
    float eye[3] = {w / 2.0f, -h / 2.0f, -eye_distance};
    float target[3] = {w / 2.0f, -h / 2.0f, 0.0f};
    float up[3] = {0.0f, 1.0f, 0.0f};
    view = WMATRIX::LookAtLH(eye, target, up);
    projection = WMATRIX::PerspectiveFovLH(kPi / 4.0f, w / h, 0.1f, 2.0f * eye_distance);
}
