#pragma once
// What the drawing code needs to know about the screen: its logical resolution
// and its colour depth. The application reads them from the primary screen once;
// tests set fixed values.

struct ScreenFacts {
    int logicalDpiX = 96;
    int colorDepth = 24; // bits per pixel
};

ScreenFacts screenFacts();
void setScreenFacts(const ScreenFacts& facts);

class ScopedScreenFacts {
  public:
    explicit ScopedScreenFacts(const ScreenFacts& facts) : previous_(screenFacts()) { setScreenFacts(facts); }
    ~ScopedScreenFacts() { setScreenFacts(previous_); }
    ScopedScreenFacts(const ScopedScreenFacts&) = delete;
    ScopedScreenFacts& operator=(const ScopedScreenFacts&) = delete;

  private:
    ScreenFacts previous_;
};
