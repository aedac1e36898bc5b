#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture stretched to its box, drawn from an SVG resource. The file is read the first time the
// picture is painted, so pictures never shown cost nothing.
class PictureBox : public QWidget
{
public:
    explicit PictureBox(const QString &resource, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    QSvgRenderer *m_renderer = nullptr;
};
