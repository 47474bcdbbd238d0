#pragma once
// Running a pass over rows on all cores of the machine when the image is large
// enough to pay for the threads. The calling thread takes the first share and
// alone reports progress (progress repaints a widget), scaled so that its
// share's end shows as the end of the whole pass.

#include "retouch/rowprogress.h"

#include <functional>

// Calls doRow(r) for r = 0 .. rows − 1, each exactly once; rows of different
// shares may run at the same time, so doRow must only write what row r owns.
// At most `threadLimit` threads take part (0: as many as the machine has, 1:
// the calling thread alone). `progress` counts `rows` rows and sees row(r)
// before row r of the caller's share.
void forEachRow(int rows, int64_t bytesPerRow, int threadLimit, RowProgress& progress,
                const std::function<void(int row)>& doRow);
