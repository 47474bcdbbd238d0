#pragma once
// What the drawing code needs to know about the screen: its logical resolution
// and its colour depth. The application reads them from the primary screen once
// and hands them to the window; the batch tool and tests use fixed values.

struct ScreenFacts {
    int logicalDpiX = 96;
    int colorDepth = 24; // bits per pixel
};
