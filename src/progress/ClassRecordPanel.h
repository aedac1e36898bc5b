#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class ClassPlayersModel;
class ClassRecordConnection;
class ClassWordsModel;
class QLabel;
class QTableView;

// The class as the progress window shows it: every player of the class across its computers,
// and the words the class misses most. It reads in the background and says so meanwhile.
class ClassRecordPanel : public QWidget
{
    Q_OBJECT

public:
    ClassRecordPanel(std::unique_ptr<ClassRecordConnection> connection, QWidget *parent = nullptr);
    ~ClassRecordPanel() override;

    void refresh();
    // Every round of the class as CSV, through the progress report's writer; done says whether
    // the file was written.
    void exportCsv(const QString &path, std::function<void(bool written)> done);

    ClassPlayersModel *playersModel() const { return m_playersModel; }
    ClassWordsModel *wordsModel() const { return m_wordsModel; }
    QLabel *statusLabel() const { return m_status; }

Q_SIGNALS:
    // The view is read and shown.
    void shown();

private:
    std::unique_ptr<ClassRecordConnection> m_connection;
    ClassPlayersModel *m_playersModel = nullptr;
    ClassWordsModel *m_wordsModel = nullptr;
    QLabel *m_status = nullptr;
    QString m_exportPath;
    quint64 m_exportRequest = 0;
    std::function<void(bool)> m_exportDone;
};
