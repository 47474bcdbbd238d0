#include "paper/templatereader.h"

#include "paper/templatesheets.h"
#include "paper/templateunits.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <optional>

namespace {

constexpr double kMaxLengthMm = 5000;
constexpr int kMaxCount = 1000;
// Template files nest five deep; anything far deeper is not one.
constexpr int kMaxDepth = 32;

// A template that turned out unusable; the reader skips to its end.
struct BadTemplate {};

std::optional<double> lengthAttribute(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    if (!attributes.hasAttribute(name)) return std::nullopt;
    const std::optional<double> mm = templateLengthMm(attributes.value(name));
    if (!mm || *mm < 0 || *mm > kMaxLengthMm) throw BadTemplate{};
    return mm;
}

double requiredLength(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    const std::optional<double> mm = lengthAttribute(attributes, name);
    if (!mm) throw BadTemplate{};
    return *mm;
}

double optionalLength(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    return lengthAttribute(attributes, name).value_or(0);
}

int requiredCount(const QXmlStreamAttributes& attributes, QLatin1StringView name) {
    bool ok = false;
    const int count = attributes.value(name).toInt(&ok);
    if (!ok || count < 1 || count > kMaxCount) throw BadTemplate{};
    return count;
}

// The label element's shape and bounding box.
void readLabel(QStringView element, const QXmlStreamAttributes& attributes, LabelTemplate& label) {
    using namespace Qt::Literals::StringLiterals;
    LabelShape& shape = label.shape;
    if (element == u"Label-rectangle") {
        shape.kind = LabelShape::Kind::Rectangle;
        label.labelWidth = requiredLength(attributes, "width"_L1);
        label.labelHeight = requiredLength(attributes, "height"_L1);
        shape.cornerRadiusMm = optionalLength(attributes, "round"_L1);
    } else if (element == u"Label-round") {
        shape.kind = LabelShape::Kind::Round;
        shape.outerRadiusMm = requiredLength(attributes, "radius"_L1);
        label.labelWidth = label.labelHeight = 2 * shape.outerRadiusMm;
    } else if (element == u"Label-ellipse") {
        shape.kind = LabelShape::Kind::Ellipse;
        label.labelWidth = requiredLength(attributes, "width"_L1);
        label.labelHeight = requiredLength(attributes, "height"_L1);
    } else {
        shape.kind = LabelShape::Kind::Disc;
        shape.outerRadiusMm = requiredLength(attributes, "radius"_L1);
        shape.holeRadiusMm = requiredLength(attributes, "hole"_L1);
        if (shape.holeRadiusMm >= shape.outerRadiusMm) throw BadTemplate{};
        label.labelWidth = lengthAttribute(attributes, "width"_L1).value_or(2 * shape.outerRadiusMm);
        label.labelHeight = lengthAttribute(attributes, "height"_L1).value_or(2 * shape.outerRadiusMm);
    }
    if (label.labelWidth <= 0 || label.labelHeight <= 0) throw BadTemplate{};
}

TemplateLayout readLayout(const QXmlStreamAttributes& attributes) {
    using namespace Qt::Literals::StringLiterals;
    TemplateLayout layout;
    layout.nx = requiredCount(attributes, "nx"_L1);
    layout.ny = requiredCount(attributes, "ny"_L1);
    layout.x0 = optionalLength(attributes, "x0"_L1);
    layout.y0 = optionalLength(attributes, "y0"_L1);
    layout.dx = optionalLength(attributes, "dx"_L1);
    layout.dy = optionalLength(attributes, "dy"_L1);
    return layout;
}

bool isLabelElement(QStringView name) {
    return name == u"Label-rectangle" || name == u"Label-round" || name == u"Label-ellipse" ||
           name == u"Label-cd";
}

class TemplateFileReader {
  public:
    explicit TemplateFileReader(QByteArrayView xml) : xml_(xml.toByteArray()) {}

    TemplateReadResult read() {
        int depth = 0;
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement) --depth;
            if (token != QXmlStreamReader::StartElement) continue;
            if (xml_.name() == u"Template")
                readTemplate(depth + 1);
            else if (++depth > kMaxDepth)
                xml_.raiseError(QStringLiteral("zu tief verschachtelt"));
        }
        if (xml_.hasError() && xml_.error() != QXmlStreamReader::PrematureEndOfDocumentError)
            ++result_.skipped;
        return std::move(result_);
    }

  private:
    // Reads the template whose start the reader stands on, through its end.
    void readTemplate(int depthOfTemplate) {
        LabelTemplate label;
        QString equivPart;
        std::vector<LabelTemplate> aliases;
        bool hasLabel = false;
        openElements_ = 1;
        try {
            readTemplateAttributes(label, equivPart);
            while (openElements_ > 0 && !xml_.atEnd()) {
                const QXmlStreamReader::TokenType token = xml_.readNext();
                if (token == QXmlStreamReader::EndElement) --openElements_;
                if (token != QXmlStreamReader::StartElement) continue;
                ++openElements_;
                if (depthOfTemplate + openElements_ > kMaxDepth) throw BadTemplate{};
                readTemplateChild(label, aliases, hasLabel);
            }
            if (xml_.hasError()) throw BadTemplate{};
            keepTemplate(std::move(label), equivPart, std::move(aliases), hasLabel);
        } catch (const BadTemplate&) {
            ++result_.skipped;
            skipRestOfTemplate(depthOfTemplate);
        }
    }

    void skipRestOfTemplate(int depthOfTemplate) {
        while (openElements_ > 0 && !xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::EndElement) --openElements_;
            if (token == QXmlStreamReader::StartElement && depthOfTemplate + ++openElements_ > kMaxDepth) {
                // Nothing after this in the file can be trusted either.
                xml_.raiseError(QStringLiteral("zu tief verschachtelt"));
                --result_.skipped; // the file counts once, below
            }
        }
    }

    void keepTemplate(LabelTemplate label, const QString& equivPart, std::vector<LabelTemplate> aliases,
                      bool hasLabel) {
        if (!equivPart.isEmpty()) {
            if (hasLabel) throw BadTemplate{};
            result_.equivalents.push_back({label.brand, label.part, equivPart});
            return;
        }
        if (!hasLabel || label.layouts.empty()) throw BadTemplate{};
        for (LabelTemplate& alias : aliases) {
            const QString brand = alias.brand, part = alias.part;
            alias = label;
            alias.brand = brand;
            alias.part = part;
            result_.templates.push_back(std::move(alias));
        }
        result_.templates.push_back(std::move(label));
    }

    void readTemplateAttributes(LabelTemplate& label, QString& equivPart) {
        using namespace Qt::Literals::StringLiterals;
        const QXmlStreamAttributes attributes = xml_.attributes();
        label.brand = attributes.value("brand"_L1).toString().trimmed();
        label.part = attributes.value("part"_L1).toString().trimmed();
        if (label.brand.isEmpty() || label.part.isEmpty()) throw BadTemplate{};
        equivPart = attributes.value("equiv"_L1).toString().trimmed();
        if (!equivPart.isEmpty()) return;
        label.description = attributes.hasAttribute("_description"_L1)
                                ? attributes.value("_description"_L1).toString()
                                : attributes.value("description"_L1).toString();
        label.sheetSize = attributes.value("size"_L1).toString();
        if (label.sheetSize == u"Other") {
            label.sheetWidth = requiredLength(attributes, "width"_L1);
            label.sheetHeight = requiredLength(attributes, "height"_L1);
        } else if (const std::optional<SheetSize> known = knownSheetSize(label.sheetSize)) {
            label.sheetWidth = known->width;
            label.sheetHeight = known->height;
        }
    }

    void readTemplateChild(LabelTemplate& label, std::vector<LabelTemplate>& aliases, bool& hasLabel) {
        using namespace Qt::Literals::StringLiterals;
        const QStringView name = xml_.name();
        const QXmlStreamAttributes attributes = xml_.attributes();
        if (name == u"Meta") {
            const QString category = attributes.value("category"_L1).toString();
            if (!category.isEmpty()) label.categories.append(category);
        } else if (name == u"Alias") {
            LabelTemplate alias;
            alias.brand = attributes.value("brand"_L1).toString().trimmed();
            alias.part = attributes.value("part"_L1).toString().trimmed();
            if (alias.brand.isEmpty()) alias.brand = label.brand;
            if (!alias.part.isEmpty() && alias.product() != label.product()) aliases.push_back(alias);
        } else if (isLabelElement(name)) {
            // Only the first label of a template is printed; a second is not ours to place.
            if (hasLabel) return;
            readLabel(name, attributes, label);
            hasLabel = true;
        } else if (name == u"Layout") {
            if (hasLabel && label.layouts.size() < size_t(kMaxCount))
                label.layouts.push_back(readLayout(attributes));
        }
    }

    QXmlStreamReader xml_;
    TemplateReadResult result_;
    int openElements_ = 0; // elements open inside the template being read, itself included
};

} // namespace

TemplateReadResult readTemplateXml(QByteArrayView xml) {
    return TemplateFileReader(xml).read();
}

void resolveEquivalents(TemplateReadResult& result) {
    QHash<QString, size_t> byProduct;
    for (size_t i = 0; i < result.templates.size(); ++i) {
        // The first of a product counts, as in the database.
        const QString product = result.templates[i].product().toCaseFolded();
        if (!byProduct.contains(product)) byProduct.insert(product, i);
    }
    for (const TemplateReadResult::Equivalent& equivalent : result.equivalents) {
        const QString original = (equivalent.brand + QLatin1Char(' ') + equivalent.equivPart).toCaseFolded();
        const auto found = byProduct.constFind(original);
        if (found == byProduct.constEnd()) {
            ++result.skipped;
            continue;
        }
        LabelTemplate copy = result.templates[*found];
        copy.brand = equivalent.brand;
        copy.part = equivalent.part;
        result.templates.push_back(std::move(copy));
    }
    result.equivalents.clear();
}

TemplateReadResult readTemplateFile(const QString& path) {
    TemplateReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTemplateFileBytes) {
        result.skipped = 1;
        return result;
    }
    result = readTemplateXml(file.readAll());
    resolveEquivalents(result);
    return result;
}
