#pragma once
// PaperType: one paper format, a sheet of labels. The record is kept exactly as
// paper.dat stores it (112 bytes), so a catalogue read and written again keeps
// every byte, including the meaningless ones behind the name.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

struct PaperType {
    double LeftMargin = 0;  // mm from the sheet's left edge to the first label column
    double TopMargin = 0;   // mm from the sheet's top edge to the first label row
    double StepX = 0;       // horizontal pitch: label width plus gap, mm
    double StepY = 0;       // vertical pitch: label height plus gap, mm
    double LabelWidth = 0;  // mm
    double LabelHeight = 0; // mm
    int32_t CountX = 0;     // labels across
    int32_t CountY = 0;     // labels down
    // Length byte, then up to 50 Windows-1252 characters.
    std::array<uint8_t, 51> Name{};
    std::array<uint8_t, 5> padding{};

    static constexpr int kNameCapacity = 50;
    static constexpr int kRecordSize = 112;

    // The display name; a length byte beyond 50 counts as 50.
    QString displayName() const;
    // Takes the first 50 characters of `name`; the unused bytes become zero.
    void setName(const QString& name);
};

static_assert(offsetof(PaperType, CountX) == 48 && offsetof(PaperType, Name) == 56 &&
                  offsetof(PaperType, padding) == 107 && sizeof(PaperType) == PaperType::kRecordSize,
              "PaperType mirrors the 112-byte file record");

// Whether both describe the same sheet under the same name: the meaningless
// bytes behind the name do not count.
bool sameNameAndGeometry(const PaperType& a, const PaperType& b);

// One record from exactly 112 little-endian bytes, and back.
PaperType decodePaperType(QByteArrayView record);
QByteArray encodePaperType(const PaperType& paper);
