#include "common/picturebox.h"

#include "common/pictures.h"

#include <QPainter>

namespace dipo {

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    m_path.clear();
    update();
}

void PictureBox::loadPicture(const QString &programPath)
{
    QImage loaded = pictures::load(programPath); // throws, leaving the old picture
    m_picture = std::move(loaded);
    m_path = programPath;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

} // namespace dipo
