#pragma once

// Fonts the forms and charts name, mapped to the metric-compatible ones installed here.
void InstallFontSubstitutes();
