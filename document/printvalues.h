#pragma once
// The values of the "Drucken" page: where on the sheets a job goes, which
// sheet the preview shows and whether the print keeps to the label shape.

struct PrintValues {
    int used = 0;   // positions of the first sheet already used
    int copies = 1; // copies to print
    int sheet = 1;  // the sheet the preview shows, from 1
    // Image and objects are cut to the label's shape (formats with a known shape only).
    bool clipToShape = false;
    friend bool operator==(const PrintValues&, const PrintValues&) = default;
};
