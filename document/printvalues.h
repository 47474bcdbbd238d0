#pragma once
// The numbers of the "Drucken" page: where on the sheets a job goes and which
// sheet the preview shows.

struct PrintValues {
    int used = 0;   // positions of the first sheet already used
    int copies = 1; // copies to print
    int sheet = 1;  // the sheet the preview shows, from 1
    friend bool operator==(const PrintValues&, const PrintValues&) = default;
};
