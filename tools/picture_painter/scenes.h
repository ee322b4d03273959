// The procedural scenes of the painted category; each paints the whole canvas.
#pragma once

#include "canvas.h"

void PaintStainedGlass(CANVAS& canvas);
void PaintPatchwork(CANVAS& canvas);
void PaintMandala(CANVAS& canvas);
void PaintMarbled(CANVAS& canvas);
void PaintFlowerField(CANVAS& canvas);
void PaintNightHarbour(CANVAS& canvas);
void PaintAutumnWood(CANVAS& canvas);
void PaintBalloons(CANVAS& canvas);
