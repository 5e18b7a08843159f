#include "raster/TextStamp.h"

#include "platform/DisplayText.h"

#include <QFontMetrics>
#include <QPainter>

#include <unordered_map>

namespace raster {

namespace {

    // Texts a thread keeps at most; past this it starts again.
    constexpr std::size_t kKeptTexts = 512;

    // The smallest rectangle holding every pixel with some coverage (null when there is none).
    QRect inkedArea(const QImage& alpha)
    {
        int left = alpha.width();
        int right = -1;
        int top = alpha.height();
        int bottom = -1;
        for (int y = 0; y < alpha.height(); ++y) {
            const uchar* row = alpha.constScanLine(y);
            for (int x = 0; x < alpha.width(); ++x) {
                if (row[x] == 0)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
        }
        return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }

} // namespace

const TextStamp& TextStamp::of(const QFont& font, const std::string& fontKey, const std::string& text)
{
    thread_local std::unordered_map<std::string, TextStamp> made;
    std::string key;
    key.reserve(fontKey.size() + 1 + text.size());
    key.append(fontKey).append(1, '\0').append(text);
    const auto found = made.find(key);
    if (found != made.end())
        return found->second;
    if (made.size() >= kKeptTexts)
        made.clear();
    return made.emplace(std::move(key), TextStamp(font, text)).first->second;
}

TextStamp::TextStamp(const QFont& font, const std::string& text)
{
    const QString shown = platform::displayText(text);
    const QFontMetrics metrics(font);
    advance_ = metrics.horizontalAdvance(shown);
    // Glyphs may reach beyond their advance and line (italics, descenders, overhangs).
    const int reach = metrics.height() / 2 + 2;
    QImage picture(
        advance_ + 2 * reach, metrics.height() + metrics.leading() + 2 * reach, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(reach, reach + metrics.ascent(), shown);
    }
    const QImage alpha = picture.convertToFormat(QImage::Format_Alpha8);
    const QRect inked = inkedArea(alpha);
    if (inked.isNull())
        return;
    coverage_ = alpha.copy(inked);
    left_ = inked.left() - reach;
    top_ = inked.top() - reach;
}

} // namespace raster
