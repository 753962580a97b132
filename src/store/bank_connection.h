#pragma once
#include <QSqlDatabase>
#include <QString>

// One window's own connection to the question bank file Data/med.db.
class BankConnection {
public:
    explicit BankConnection(const QString& owner);
    ~BankConnection();
    BankConnection(const BankConnection&) = delete;
    BankConnection& operator=(const BankConnection&) = delete;

    // The bank file in the program folder.
    static QString bankPath();
    // Empty when the bank file can be opened; otherwise what is wrong with it.
    static QString problemWith(const QString& path);

    // Opens the connection if it is closed; throws KaivoraError when the bank cannot be opened.
    QSqlDatabase open();
    void close();
    QSqlDatabase reopen();
    QSqlDatabase db() const;
    bool isOpen() const;
    const QString& name() const { return name_; }

private:
    QString name_;
};
