// Particles: presets, spawning by rate and by burst, death by age, the colour fade, the disc of
// PARTIC_CIRCLE and handing every living particle to the point drawing.
#include "engine/ui/particles.h"

#include <cmath>

#include "tests/engine/ui/ui_fixture.h"

namespace {

class ParticlesTest : public UiTest {
  protected:
    std::string Texture() { return Image(8, 8); }
    int Living(const WUN::PARTIC& emitter) {
        int alive = 0;
        for (const WPOINT_PARTICLE* p = emitter.First(); p != nullptr; p = p->next) {
            alive += p->alive ? 1 : 0;
        }
        return alive;
    }
    int PointsDrawn(WUN::PARTIC& emitter) {
        render->ClearRecordedDraws();
        emitter.Draw(0);
        return Draws().empty() ? 0 : Draws()[0].point_count;
    }
};

TEST_F(ParticlesTest, PresetsSetTheEmitterAndTheTemplate) {
    struct PRESET {
        int type;
        float point_size, spread, rate, life, vx, vy, ay, wobble;
        uint32_t start, middle, end;
    };
    const PRESET presets[] = {
        {0, 0.15f, 2.5132742f, 15.0f, 3.5f, 3.0f, 8.0f, 10.0f, 1.0f, 0x00FF2400, 0xFFFF2400,
         0x0003C03C},
        {1, 0.5f, 1.5707964f, 100.0f, 4.0f, 0.0f, 5.0f, -8.0f, 1.0f, 0xFFFF2400, 0xFFFF2400,
         0xFFFF2400},
        {2, 0.12f, 6.2831855f, 100.0f, 1.8f, 15.0f, 0.0f, 0.0f, 2.0f, 0x00FF2400, 0xFFCFB53B,
         0x00CCFF00},
        {3, 0.3f, 0.0f, 1.0f, 5.0f, 0.0f, 5.0f, 15.0f, 0.0f, 0xFF003399, 0x006077A6, 0xFFFFFFFF},
    };
    WUN::PARTIC emitter(Texture().c_str(), 0, 40);
    EXPECT_FLOAT_EQ(emitter.GetPointSize(), 0.3f);  // starts with preset 3
    for (const PRESET& p : presets) {
        SCOPED_TRACE(p.type);
        emitter.SetType(p.type);
        EXPECT_FLOAT_EQ(emitter.GetPointSize(), p.point_size);
        EXPECT_FLOAT_EQ(emitter.spread, p.spread);
        EXPECT_FLOAT_EQ(emitter.GetRate(), p.rate);  // preset 2 keeps preset 1's
        EXPECT_FLOAT_EQ(emitter.particle.life, p.life);
        EXPECT_FLOAT_EQ(emitter.particle.vx, p.vx);
        EXPECT_FLOAT_EQ(emitter.particle.vy, p.vy);
        EXPECT_FLOAT_EQ(emitter.particle.ay, p.ay);
        EXPECT_FLOAT_EQ(emitter.particle.max_speed, 100.0f);
        EXPECT_FLOAT_EQ(emitter.particle.wobble_cy, p.wobble);
        EXPECT_EQ(emitter.start_colour, p.start);
        EXPECT_EQ(emitter.middle_colour, p.middle);
        EXPECT_EQ(emitter.end_colour, p.end);
        EXPECT_EQ(emitter.particle.colour, p.start);
        EXPECT_EQ(emitter.GetBlend(), 5);
        EXPECT_FALSE(emitter.IsEmitting());
        EXPECT_FLOAT_EQ(emitter.GetSpawnX(), 512.0f);  // the screen centre
        EXPECT_FLOAT_EQ(emitter.particle.y, 384.0f);
    }
}

TEST_F(ParticlesTest, RateSpawnsWhenTheIntervalHasPassedAtMostOncePerFrame) {
    WUN::PARTIC embers(Texture().c_str(), 0, 40);
    embers.SetType(0);  // 15 a second
    embers.Start();
    SetDelta(0.02f);
    std::vector<int> counts;
    for (int frame = 0; frame < 8; ++frame) {
        embers.Update(0, 0.0f);
        counts.push_back(embers.GetCount());
    }
    EXPECT_EQ(counts, (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2}));

    WUN::PARTIC flame(Texture().c_str(), 0, 40);
    flame.SetType(1);  // 100 a second at 60 frames a second
    flame.Start();
    SetDelta(1.0f / 60.0f);
    for (int frame = 1; frame <= 10; ++frame) {
        flame.Update(0, 0.0f);
        EXPECT_EQ(flame.GetCount(), frame);
    }
    flame.Stop();
    flame.Update(0, 0.0f);
    EXPECT_EQ(flame.GetCount(), 10);
}

TEST_F(ParticlesTest, RateStopsAtTheMaximumButBurstsDoNot) {
    WUN::PARTIC flame(Texture().c_str(), 0, 5);
    flame.SetType(1);
    flame.Start();
    SetDelta(0.05f);
    for (int frame = 0; frame < 20; ++frame) {
        flame.Update(0, 0.0f);
    }
    EXPECT_EQ(flame.GetCount(), 5);
    flame.EmitAt(7, 10, 20);
    EXPECT_EQ(flame.GetCount(), 12);
    EXPECT_FLOAT_EQ(flame.First()->x, 10.0f);
    EXPECT_FLOAT_EQ(flame.First()->y, 20.0f);
    // A burst on Start comes from the template's position.
    WUN::PARTIC burst(Texture().c_str(), 0, 5);
    burst.SetBurstCount(9);
    burst.Start();
    EXPECT_EQ(burst.GetCount(), 9);
    EXPECT_FLOAT_EQ(burst.First()->x, 512.0f);
    // A new preset frees what is alive.
    burst.SetType(2);
    EXPECT_EQ(burst.GetCount(), 0);
    EXPECT_EQ(burst.First(), nullptr);
}

TEST_F(ParticlesTest, ParticleLivesUntilItsAgePassesItsLifeAndIsRemovedOneUpdateLater) {
    WUN::PARTIC emitter(Texture().c_str(), 0, 40);
    emitter.particle.life = 2.0f;
    emitter.EmitAt(1, 0, 0);
    const float life = emitter.First()->life;
    EXPECT_GE(life, 1.0f);
    EXPECT_LE(life, 2.0f);
    SetDelta(life / 4.0f);
    for (int frame = 0; frame < 4; ++frame) {
        emitter.Update(0, 0.0f);  // age reaches the life exactly: still alive
        EXPECT_EQ(PointsDrawn(emitter), 1) << frame;
    }
    SetDelta(0.01f);
    emitter.Update(0, 0.0f);
    ASSERT_EQ(emitter.GetCount(), 1);
    emitter.Update(0, 0.0f);  // age now above life: marked
    EXPECT_EQ(Living(emitter), 0);
    EXPECT_EQ(emitter.GetCount(), 1);
    EXPECT_EQ(PointsDrawn(emitter), 0);
    emitter.Update(0, 0.0f);  // removed
    EXPECT_EQ(emitter.GetCount(), 0);
    EXPECT_EQ(emitter.First(), nullptr);
}

TEST_F(ParticlesTest, ColourFadesThroughTheThreeKeys) {
    WUN::PARTIC emitter(Texture().c_str(), 0, 40);  // preset 3
    emitter.EmitAt(1, 0, 0);
    const float life = emitter.First()->life;
    SetDelta(life / 4.0f);
    emitter.Update(0, 0.0f);
    // Halfway from 0xFF003399 to 0x006077A6.
    EXPECT_EQ(emitter.First()->colour, 0x803055A0u);
    emitter.Update(0, 0.0f);
    EXPECT_EQ(emitter.First()->colour, 0x006077A6u);
    emitter.Update(0, 0.0f);
    EXPECT_EQ(emitter.First()->colour, 0x80B0BBD3u);
    emitter.Update(0, 0.0f);
    EXPECT_EQ(emitter.First()->colour, 0xFFFFFFFFu);

    // A template without life gives particles that show the end colour until they die.
    WUN::PARTIC lifeless(Texture().c_str(), 0, 40);
    lifeless.particle.life = 0.0f;
    lifeless.end_colour = 0x80402010;
    lifeless.EmitAt(1, 0, 0);
    SetDelta(0.0f);
    lifeless.Update(0, 0.0f);
    EXPECT_EQ(lifeless.First()->colour, 0x80402010u);
}

TEST_F(ParticlesTest, MotionAddsAccelerationAndCapsEachVelocityComponent) {
    WUN::PARTIC emitter(Texture().c_str(), 0, 40);  // preset 3: v (0, 5), a (0, 15), no spread
    emitter.particle.max_speed = 6.0f;
    emitter.EmitAt(1, 100, 100);
    SetDelta(0.1f);
    emitter.Update(0, 0.0f);
    EXPECT_FLOAT_EQ(emitter.First()->vy, 6.0f);  // 5 + 1.5, capped
    EXPECT_FLOAT_EQ(emitter.First()->y, 100.6f);
    EXPECT_FLOAT_EQ(emitter.First()->x, 100.0f);
}

TEST_F(ParticlesTest, SpreadKeepsDirectionsWithinHalfTheSpreadOfTheTemplate) {
    WUN::PARTIC emitter(Texture().c_str(), 0, 400);
    emitter.SetType(1);  // v (0, 5), spread pi / 2
    emitter.EmitAt(300, 0, 0);
    float smallest = 10.0f;
    float largest = -10.0f;
    for (const WUN::PARTICLE* p = emitter.First(); p != nullptr;
         p = static_cast<const WUN::PARTICLE*>(p->next)) {
        const float from_template = std::atan2(p->vx, p->vy);
        smallest = std::min(smallest, from_template);
        largest = std::max(largest, from_template);
        EXPECT_NEAR(std::hypot(p->vx, p->vy), 5.0f, 1e-4);
        EXPECT_GE(p->life, 2.0f);
        EXPECT_LE(p->life, 4.0f);
    }
    EXPECT_GE(smallest, -0.7854f - 1e-4);
    EXPECT_LE(largest, 0.7854f + 1e-4);
    EXPECT_LT(smallest, -0.5f);  // both sides are used
    EXPECT_GT(largest, 0.5f);
}

TEST_F(ParticlesTest, CircleEmitterSpawnsOnItsDisc) {
    PARTIC_CIRCLE disc(Texture().c_str(), 0, 500);
    disc.SetType(1);
    disc.SetCircle(300, 200, 50);
    disc.Start();
    SetDelta(0.02f);
    disc.Update(0, 0.0f);
    ASSERT_EQ(disc.GetCount(), 1);
    EXPECT_LE(std::hypot(disc.First()->x - 300.0f, disc.First()->y - 200.0f), 50.0001f);
    disc.EmitAt(300, 100, 100);
    float farthest = 0.0f;
    int p_count = 0;
    for (const WPOINT_PARTICLE* p = disc.First(); p_count < 300; p = p->next, ++p_count) {
        const float distance = std::hypot(p->x - 100.0f, p->y - 100.0f);
        EXPECT_LE(distance, 50.0001f);
        farthest = std::max(farthest, distance);
    }
    EXPECT_GT(farthest, 30.0f);
}

TEST_F(ParticlesTest, EveryLivingParticleIsHandedToThePointDrawing) {
    for (int count : {500, 501}) {
        WUN::PARTIC emitter(Texture().c_str(), 0, 40);
        emitter.EmitAt(count, 50, 50);
        EXPECT_EQ(PointsDrawn(emitter), count);
        ASSERT_EQ(Draws().size(), 1u);
        EXPECT_EQ(Draws()[0].kind, WRECORDED_DRAW::kPoints);
        EXPECT_FLOAT_EQ(Draws()[0].point_size, 0.3f * 100.0f);
        EXPECT_EQ(Draws()[0].blend, 5);
    }
    WUN::PARTIC idle(Texture().c_str(), 0, 40);
    EXPECT_EQ(PointsDrawn(idle), 0);
}

}  // namespace
