// The pixel-exact perspective camera of the render device, in row-vector matrices (v' = v × M).
#pragma once

struct WMATRIX {
    float m[4][4] = {};

    static WMATRIX Identity();
    static WMATRIX Scaling(float sx, float sy, float sz);
    static WMATRIX Translation(float tx, float ty, float tz);
    // Rotation by roll about z, then pitch about x, then yaw about y (radians).
    static WMATRIX RotationYawPitchRoll(float yaw, float pitch, float roll);
    // Left-handed look-at and perspective (depth 0 at the near plane, 1 at the far plane).
    static WMATRIX LookAtLH(const float eye[3], const float target[3], const float up[3]);
    static WMATRIX PerspectiveFovLH(float fov_y, float aspect, float near_z, float far_z);
};

WMATRIX operator*(const WMATRIX& a, const WMATRIX& b);

// (x, y, z, 1) × m.
void TransformPoint(const WMATRIX& m, float x, float y, float z, float out[4]);

// World, view and projection for a back buffer of width × height: a vertex (x, y, 0) lands on
// back-buffer pixel (x, y), y downward; larger z comes slightly closer to the eye.
struct WCAMERA {
    WMATRIX world;
    WMATRIX view;
    WMATRIX projection;
    float eye_distance = 1.0f;

    void Setup(int back_buffer_width, int back_buffer_height);
};
