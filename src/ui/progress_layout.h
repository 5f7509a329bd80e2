// The progress bar's bar and the place of its percentage text.
#pragma once

// The bar's width argument for a control whose inclusive right edge is right:
// the bar then covers x = 4 to 4 + the result. Unsigned, as percentages are.
int progress_bar_width(unsigned percentage, int right);

// Where the centred percentage text starts.
int progress_text_x(int right, int text_width);
int progress_text_y(int bottom, int text_height);
