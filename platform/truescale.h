#pragma once

class QPainter;
class QPagedPaintDevice;
class QWidget;

// Centred and at true scale, so that pupils can check the figure with a ruler, unless too large.
void drawAtTrueScale(QPainter &painter, QWidget *window, QPagedPaintDevice &device, int resolution);
