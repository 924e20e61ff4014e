#pragma once

class RegistreCurseurs;

// The program's twenty pointer shapes, drawn here as two-colour 32 x 32 pictures (black
// lines with a white rim for the "N" variants, white with a black rim for the "B" ones):
// 50, 51 the open and closed hand; 100 x colour + shape for the pointing targets (1 large
// target, 2 small target, 3 cross), the axis orientations (11..14) and the scale points
// (41, 42), colour 1 black, 2 white.
namespace curseursDessines {

// Registers the twenty shapes in the order 50, 51, 101, 102, 103, 201, 202, 203, 111, 211,
// 112, 212, 113, 213, 114, 214, 141, 142, 241, 242.
void enregistrerTous(RegistreCurseurs& registre);

} // namespace curseursDessines
