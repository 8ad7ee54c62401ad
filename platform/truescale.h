#pragma once

class QPainter;
class QPagedPaintDevice;
class QWidget;

// Draws the window as it stands on the page being painted, centred and at true scale, so that
// pupils can check the figure with a ruler; scaled down only where it does not fit.
void drawAtTrueScale(QPainter &painter, QWidget *window, QPagedPaintDevice &device, int resolution);
