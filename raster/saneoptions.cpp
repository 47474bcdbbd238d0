// The options of a SANE device as plain values, and setting them.

#include "raster/sanescan.h"

#include <sane/saneopts.h>

#include <vector>

namespace sane {

namespace {

bool offered(const SANE_Option_Descriptor* d) {
    if (!d || !SANE_OPTION_IS_ACTIVE(d->cap) || !SANE_OPTION_IS_SETTABLE(d->cap)) return false;
    switch (d->type) {
    case SANE_TYPE_BOOL:
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED:
        return d->size == SANE_Int(sizeof(SANE_Word)); // one value, not a vector
    case SANE_TYPE_STRING:
        return d->size > 0;
    default:
        return false;
    }
}

double numberOf(SANE_Value_Type type, SANE_Word word) {
    return type == SANE_TYPE_FIXED ? SANE_UNFIX(word) : double(word);
}

SANE_Word wordOf(SANE_Value_Type type, double value) {
    return type == SANE_TYPE_FIXED ? SANE_FIX(value) : SANE_Word(qRound(value));
}

} // namespace

std::vector<Option> Scanner::options() const {
    std::vector<Option> found;
    SANE_Int count = 0;
    if (sane_control_option(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
        return found;
    for (int i = 1; i < count; ++i) {
        const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle_, i);
        if (!offered(d)) continue;
        Option option;
        option.index = i;
        option.name = QByteArray(d->name ? d->name : "");
        option.title = QString::fromUtf8(d->title ? d->title : d->name);
        option.type = d->type;
        option.unit = d->unit;
        option.constraint = d->constraint_type;
        if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
            option.minimum = numberOf(d->type, d->constraint.range->min);
            option.maximum = numberOf(d->type, d->constraint.range->max);
            option.step = numberOf(d->type, d->constraint.range->quant);
        } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
            for (int w = 1; w <= d->constraint.word_list[0]; ++w)
                option.words.append(numberOf(d->type, d->constraint.word_list[w]));
        } else if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST && d->constraint.string_list) {
            for (const SANE_String_Const* s = d->constraint.string_list; *s; ++s)
                option.strings.append(QString::fromUtf8(*s));
        }
        std::vector<char> buffer(std::size_t(d->size) + 1, '\0');
        if (sane_control_option(handle_, i, SANE_ACTION_GET_VALUE, buffer.data(), nullptr) !=
            SANE_STATUS_GOOD)
            continue;
        SANE_Word word = 0;
        std::memcpy(&word, buffer.data(), std::min<std::size_t>(sizeof word, buffer.size()));
        switch (d->type) {
        case SANE_TYPE_BOOL:
            option.value = word != SANE_FALSE;
            break;
        case SANE_TYPE_INT:
            option.value = int(word);
            break;
        case SANE_TYPE_FIXED:
            option.value = SANE_UNFIX(word);
            break;
        default:
            option.value = QString::fromUtf8(buffer.data());
        }
        found.push_back(std::move(option));
    }
    return found;
}

bool Scanner::setOption(const Option& option, const QVariant& value) {
    const SANE_Option_Descriptor* d = sane_get_option_descriptor(handle_, option.index);
    if (!offered(d)) return false;
    SANE_Int info = 0;
    if (d->type == SANE_TYPE_STRING) {
        QByteArray text = value.toString().toUtf8();
        if (text.size() >= d->size) return false;
        text.resize(d->size, '\0');
        return sane_control_option(handle_, option.index, SANE_ACTION_SET_VALUE, text.data(), &info) ==
               SANE_STATUS_GOOD;
    }
    SANE_Word word = d->type == SANE_TYPE_BOOL ? (value.toBool() ? SANE_TRUE : SANE_FALSE)
                                               : wordOf(d->type, value.toDouble());
    return sane_control_option(handle_, option.index, SANE_ACTION_SET_VALUE, &word, &info) ==
           SANE_STATUS_GOOD;
}

std::pair<double, double> Scanner::scanResolution() const {
    double across = 0, down = 0, both = 0;
    for (const Option& option : options()) {
        if (option.unit != SANE_UNIT_DPI || (option.type != SANE_TYPE_INT && option.type != SANE_TYPE_FIXED))
            continue;
        const double value = option.value.toDouble();
        if (option.name == SANE_NAME_SCAN_RESOLUTION) both = value;
        if (option.name == SANE_NAME_SCAN_X_RESOLUTION) across = value;
        if (option.name == SANE_NAME_SCAN_Y_RESOLUTION) down = value;
    }
    return {across > 0 ? across : both, down > 0 ? down : both};
}

bool Scanner::setOption(const QByteArray& name, const QVariant& value) {
    for (const Option& option : options())
        if (option.name == name) return setOption(option, value);
    return false;
}

} // namespace sane
