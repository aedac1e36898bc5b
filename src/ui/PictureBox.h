#pragma once

#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture stretched to its box, drawn from an SVG resource; an empty resource shows nothing. The
// file is read the first time the picture is painted, so pictures never shown cost nothing.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(const QString &resource = QString(), QWidget *parent = nullptr);

    QString resource() const { return m_resource; }
    void setResource(const QString &resource);

Q_SIGNALS:
    // A left click released over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_resource;
    QSvgRenderer *m_renderer = nullptr;
    bool m_pressed = false;
};
