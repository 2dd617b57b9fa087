#pragma once

#include <QObject>
#include <initializer_list>
#include <vector>

class QSocketNotifier;

// Turns process signals (SIGTERM, SIGINT ...) into a Qt signal on the event
// loop: the handler only writes the signal number into a pipe.
class TSignalPipe : public QObject {
    Q_OBJECT
public:
    TSignalPipe(std::initializer_list<int> sigs, QObject* parent = nullptr);
    ~TSignalPipe() override;

signals:
    void Raised(int signal);

private:
    void Read();

    std::vector<int> FSignals;
    int FFds[2] = {-1, -1};
    QSocketNotifier* FNotifier = nullptr;
};
