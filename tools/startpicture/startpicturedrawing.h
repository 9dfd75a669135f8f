#pragma once

#include <QImage>

// The start window's picture, 300 x 200: a pitch under floodlights at dusk, with a
// rising form line over the stands and a ball in front.
QImage DrawStartPicture();
