#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

namespace dipo {

// Shows one picture stretched to the box.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    // Loads a run-time picture by its program path ("d:\karya_hasil\..."), read anew
    // each time. On failure it throws PictureError and keeps the previous picture.
    void loadPicture(const QString &programPath);

    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // The program path of the picture shown last, empty for none or a decoration.
    const QString &picturePath() const { return m_path; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QString m_path;
};

} // namespace dipo
