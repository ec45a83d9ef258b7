// libFuzzer target for the RTF reader: any input must parse without a crash, a hang or a
// leak, and the model must keep the promises its header makes.
#include "ui/rtf_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool ok) {
    if (!ok)
        std::abort();
}

void CheckFormat(const RtfCharFormat& f) {
    Require(f.halfPoints >= 1 && f.halfPoints <= 3276);
    if (f.color)
        Require(f.color->red >= 0 && f.color->red <= 255 && f.color->green >= 0 && f.color->green <= 255 &&
                f.color->blue >= 0 && f.color->blue <= 255);
}

void CheckText(const QString& text) {
    Require(!text.isEmpty());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // Nothing that would split a block or confuse a text view.
        Require(u == u'\t' || u >= 0x20);
        Require(u < 0x7F || u > 0x9F);
        Require(u != 0x2029 && u != 0xFFFC && u != 0xFFFE && u != 0xFFFF && (u < 0xFDD0 || u > 0xFDEF));
        // Surrogates only in proper pairs.
        if (u >= 0xD800 && u <= 0xDBFF) {
            Require(i + 1 < text.size() && text[i + 1].isLowSurrogate());
            ++i;
        } else {
            Require(u < 0xDC00 || u > 0xDFFF);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const RtfDocument doc = ParseRtf(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    constexpr int maxTwips = 31680;
    for (const RtfParagraph& p : doc.paragraphs) {
        for (int v : {p.leftIndent, p.rightIndent, p.firstLineIndent})
            Require(v >= -maxTwips && v <= maxTwips);
        Require(p.spaceBefore >= 0 && p.spaceBefore <= maxTwips && p.spaceAfter >= 0 &&
                p.spaceAfter <= maxTwips);
        Require(p.tabStops.size() <= 64);
        for (qsizetype i = 0; i < p.tabStops.size(); ++i)
            Require(p.tabStops[i] >= 0 && p.tabStops[i] <= maxTwips &&
                    (i == 0 || p.tabStops[i - 1] <= p.tabStops[i]));
        CheckFormat(p.markFormat);
        for (qsizetype i = 0; i < p.runs.size(); ++i) {
            CheckText(p.runs[i].text);
            CheckFormat(p.runs[i].format);
            Require(i == 0 || !(p.runs[i - 1].format == p.runs[i].format));
        }
    }
    return 0;
}
