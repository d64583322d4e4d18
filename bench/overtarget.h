#ifndef OVERTARGET_H
#define OVERTARGET_H

// The mark scripts/bench reads at the end of a figure's line when the figure is past its target
// ("at most" target); empty within it.
inline const char* overTarget(double figure, double target)
{
    return figure > target ? "  over target" : "";
}

#endif  // OVERTARGET_H
