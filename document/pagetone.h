#pragma once

#include <QImage>
#include <QObject>

// How the reading view colours page images: as rendered, inverted for reading in the dark, or on
// warm paper. Only the images on screen change; the file, thumbnails, printing and export keep
// the rendered colours.
enum class PdfPageTone : int {
    Normal = 0,
    Inverted = 1,
    Sepia = 2,
};

namespace pagetone {

// The image in the tone; Normal hands it back as it is.
QImage apply(const QImage &image, PdfPageTone tone);
// The colour a blank page shows in the tone, for pages whose image has not arrived yet.
QColor paper(PdfPageTone tone);

} // namespace pagetone

// The tone every reading view shows, remembered in the settings ("reading/pageTone").
class PageToneSetting : public QObject
{
    Q_OBJECT

public:
    static PageToneSetting &instance();

    PdfPageTone tone() const { return m_tone; }
    void setTone(PdfPageTone tone);

Q_SIGNALS:
    void toneChanged(PdfPageTone tone);

private:
    PageToneSetting();

    PdfPageTone m_tone = PdfPageTone::Normal;
};
