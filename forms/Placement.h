// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Centres a top-level window, frame included, on its screen (left and top
// rounded toward zero and at least 0). An explicit move also keeps Qt from
// placing the window again on later showings.
void CentreOnScreen(QWidget* window);
