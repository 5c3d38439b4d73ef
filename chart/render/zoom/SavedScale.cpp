#include "zoom/SavedScale.h"

#include "axes/AxisScale.h"

TSavedScale SaveScale(const TAxisScale& axis) {
    return {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(),
            axis.Maximum()};
}

void RestoreScale(TAxisScale& axis, const TSavedScale& saved) {
    // The minimum may not pass the maximum at any moment.
    if (saved.Minimum <= axis.Maximum()) {
        axis.SetMinimum(saved.Minimum);
        axis.SetMaximum(saved.Maximum);
    } else {
        axis.SetMaximum(saved.Maximum);
        axis.SetMinimum(saved.Minimum);
    }
    axis.SetAutomatic(saved.Automatic);
    axis.SetAutomaticMinimum(saved.AutomaticMinimum);
    axis.SetAutomaticMaximum(saved.AutomaticMaximum);
}
