#pragma once

class TForm1;

// At start-up, the measures of a copy of the program that did not end normally: offered
// once, reopened as measures not saved in any session (Oui) or deleted (Non). Called by
// the program's entry, not by the window, so that tests meet the box only when they ask.
void offrirRecuperation(TForm1& f);
