// The redraw request every panel change ends with.
#ifndef GUIDES_SIMULEAPPUITOUCHE_H
#define GUIDES_SIMULEAPPUITOUCHE_H

// Posts a key-down of the fn key, which makes the host send the selected tool a
// cursor-tracking message; the tool sees DoitRedessiner and lays the guides out again.
void SimuleAppuiToucheFn();

#endif
