#pragma once
// The job being worked on, in one place: the image and its marked region, the
// annotation objects, the page and the annotation view's scales, where the
// image sits on a label, the print values, the chosen paper format and the file
// name. Every change goes through a setter that signals it, so the views repaint
// on the signals and no command has to know which views there are.

#include "document/objecttable.h"
#include "document/pixelscale.h"
#include "document/printsettings.h"
#include "document/printvalues.h"
#include "paper/labelshape.h"
#include "paper/papertype.h"
#include "paper/placement.h"
#include "raster/dibimage.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class JobHistory;

// Marked region of the retouch page, in image pixels from the top-left corner:
// columns left .. right − 1 and rows top .. bottom − 1.
struct MarkedRegion {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const MarkedRegion&, const MarkedRegion&) = default;
};

class CoverJob : public QObject {
    Q_OBJECT
  public:
    explicit CoverJob(QObject* parent = nullptr);
    ~CoverJob() override;

    // Holds the signals back while it lives and then sends each kind once, so a
    // command that changes several parts is seen by the views as one change,
    // with every part already in its new state. Batches may nest.
    class ChangeBatch {
      public:
        explicit ChangeBatch(CoverJob& job);
        ~ChangeBatch();
        ChangeBatch(const ChangeBatch&) = delete;
        ChangeBatch& operator=(const ChangeBatch&) = delete;

      private:
        CoverJob& job_;
    };

    // --- the image -------------------------------------------------------------
    const DibImage& image() const { return image_; }
    // For operations that change the pixels in place; imageEdited() tells the views.
    DibImage& editableImage() { return image_; }
    void imageEdited() { announce(Part::Image); }
    // Frees the image and takes `image` in its place; the region stays as it is.
    void replaceImage(DibImage&& image);
    // Takes `image` in place of the current one and hands that back; the region stays.
    DibImage exchangeImage(DibImage&& image);
    // The white 320 × 200 24-bit picture of a new job; none when `limits` leave no room.
    void makeWhiteStartImage(const ImageLimits& limits);

    const MarkedRegion& region() const { return region_; }
    void setRegion(const MarkedRegion& region);
    // The region over the whole image: (0, 0, width − 1, height − 1).
    void markWholeImage();

    // --- the annotation objects ---------------------------------------------------
    ObjectTable& objects() { return objects_; }
    const ObjectTable& objects() const { return objects_; }
    // After a change of the table's objects or selection.
    void objectsEdited() { announce(Part::Objects); }
    // Frees every slot (the table's clearAll); objectsCleared tells the editor
    // to drop what it was doing with them.
    void clearObjects();

    // --- the page and the annotation view's scales ----------------------------------
    int32_t pageWidth() const { return pageWidth_; }
    int32_t pageHeight() const { return pageHeight_; }
    void setPageSize(int32_t width, int32_t height);
    double viewZoom() const { return viewZoom_; }
    double unitsPerScreenPixel() const { return unitsPerScreenPixel_; }
    void setViewScales(double viewZoom, double unitsPerScreenPixel);
    // The scale the objects' pixel accessors convert with on the annotation view.
    PixelScale viewScale() const { return PixelScale::view(viewZoom_, unitsPerScreenPixel_); }
    // Internal units per image pixel, fixed at start-up.
    double imagePixelSize() const { return imagePixelSize_; }
    void setImagePixelSize(double unitsPerImagePixel) { imagePixelSize_ = unitsPerImagePixel; }

    // --- placement, print values and paper format ---------------------------------
    // What prints is what these hold: "Go!", the sheet preview and cdcover-batch
    // read them here, never from a control.
    const PlacementValues& placement() const { return placement_; }
    void setPlacement(const PlacementValues& placement);
    // Always within the sheet of the paper format (correctJobValues): a used
    // count or a shown sheet beyond it is brought back as it is set.
    const PrintValues& printValues() const { return printValues_; }
    void setPrintValues(const PrintValues& values);
    // The values as setPrintValues would keep them on this job's sheet.
    PrintValues withinSheet(const PrintValues& values) const;
    // The paper format the job is placed and printed on; none when the
    // catalogue offers none. The print values are brought within its sheet.
    const std::optional<PaperType>& paperFormat() const { return paperFormat_; }
    void setPaperFormat(const std::optional<PaperType>& paper);
    // The shape of the chosen format's labels, when one is known (formats made
    // from a label template); sent with paperFormatChanged.
    const std::optional<LabelShape>& labelShape() const { return labelShape_; }
    void setLabelShape(const std::optional<LabelShape>& shape);
    // A format chosen by the user, or by cdcover-batch for a run: the format,
    // its label shape and the format's own clip choice (labels for a disc are
    // printed inside their shape, others whole). Choosing the format and shape
    // the job has changes nothing, so the clip choice made for them stays.
    void choosePaperFormat(const std::optional<PaperType>& paper, const std::optional<LabelShape>& shape);
    // The disc the job prints onto instead of the paper format's sheets; none
    // for sheets. The paper format stays, for a return to sheets. Sent with
    // paperFormatChanged: what is placed and printed changes.
    const std::optional<DiscFormat>& disc() const { return disc_; }
    void setDisc(const std::optional<DiscFormat>& disc);
    // What the job is placed and printed on: the disc as a sheet of one with
    // its ring as the shape, else the paper format and its label shape.
    std::optional<PaperType> printedPaper() const;
    std::optional<LabelShape> printedShape() const;
    // Placement, print values, paper format, label shape and disc at once, as
    // a cover file keeps them: the clip choice is taken as it is. Settings
    // without a paper format leave the job's format as it is.
    PrintSettings printSettings() const;
    void setPrintSettings(const PrintSettings& settings);

    // --- the undo history ----------------------------------------------------------
    JobHistory& history() { return *history_; }

    // --- the file ----------------------------------------------------------------
    // The cover file of the job, empty when it is unnamed.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& fileName);

  signals:
    void imageChanged();
    void regionChanged();
    void objectsChanged();
    void objectsCleared();
    void pageChanged();
    void viewScalesChanged();
    void placementChanged();
    void printValuesChanged();
    void paperFormatChanged();
    void fileNameChanged();

  private:
    enum class Part : unsigned {
        Image = 1,
        Region = 2,
        Objects = 4,
        Page = 8,
        ViewScales = 16,
        Placement = 32,
        PrintValues = 64,
        PaperFormat = 128,
        FileName = 256,
        ObjectsCleared = 512,
    };
    // Sends the part's signal now, or when the outermost batch ends.
    void announce(Part part);
    void sendSignals(unsigned parts);

    int openBatches_ = 0;
    unsigned pendingParts_ = 0;
    DibImage image_;
    MarkedRegion region_;
    ObjectTable objects_;
    int32_t pageWidth_ = 0, pageHeight_ = 0;
    double viewZoom_ = 1.0;
    double unitsPerScreenPixel_ = 0;
    double imagePixelSize_ = 0;
    PlacementValues placement_;
    PrintValues printValues_;
    std::optional<PaperType> paperFormat_;
    std::optional<LabelShape> labelShape_;
    std::optional<DiscFormat> disc_;
    QString fileName_;
    // Last: its steps hold parts of the job and go first.
    std::unique_ptr<JobHistory> history_;
};
