// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Whether the screen can show the program: at least 800 x 600 at 16 bits
// per pixel; below 1024 x 768 it runs after a warning.
namespace ScreenRule {

enum class Verdict { Accept, Warn, Refuse };

Verdict evaluate(int width, int height, int bitsPerPixel);

QString refusalMessage();
QString warningMessage();

}
