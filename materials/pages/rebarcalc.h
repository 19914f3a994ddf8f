#pragma once
// The calculator sheet of the reinforcing-bar areas (the bar data are those of
// materials/rebar.h).

// The calculator sheet "Bew.fläche Stabstahl": bar counts of 6 to 28 mm entered
// by the user, their areas and the sum shown as they change. Returns the sum in
// m2 when confirmed, -1 when cancelled (also by Escape, and at once when there
// is no input to wait for). The counts and the sheet's place on the screen are
// kept for the next call.
double Rebar_Area_Calculator(void);
// The calculator's kept counts to 0 and its place to the screen centre (for tests).
void Rebar_Area_Calculator_Reset(void);
