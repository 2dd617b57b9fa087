// The single-instance channel, the signal pipe and the exception handler.
#include "platform/Errors.h"
#include "shell/ui/AppException.h"
#include "shell/ui/SignalPipe.h"
#include "shell/ui/SingleInstance.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <future>
#include <gtest/gtest.h>

namespace {

TEST(SingleInstance, SecondCopyHandsItsCommandLineToTheFirstOfTheSameFolderOnly) {
    const std::string folder = "/tmp/merrowin-test-" + std::to_string(::getpid());
    TSingleInstance first(folder);
    ASSERT_TRUE(first.Listen());
    std::string received;
    QObject::connect(&first, &TSingleInstance::CommandLineReceived,
                     [&](const std::string& text) { received = text; });

    const std::string line = "merrowin \"/home/a b/x.tvd\" HIDEWIN";
    auto handed = std::async(std::launch::async, [&] {
        TSingleInstance second(folder);
        return second.HandOver(line);
    });
    QElapsedTimer clock;
    clock.start();
    while (handed.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready &&
           clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(handed.get());
    EXPECT_EQ(received, line);

    TSingleInstance elsewhere(folder + "-other");
    EXPECT_FALSE(elsewhere.HandOver("merrowin", 500));
    EXPECT_NE(TSingleInstance::ServerName(folder), TSingleInstance::ServerName(folder + "-other"));
}

TEST(SignalPipe, SignalArrivesOnTheEventLoop) {
    TSignalPipe pipe({SIGUSR1});
    int raised = 0;
    QObject::connect(&pipe, &TSignalPipe::Raised, [&](int s) { raised = s; });
    ::raise(SIGUSR1);
    EXPECT_EQ(raised, 0); // nothing happens inside the handler itself
    for (int i = 0; i < 20 && !raised; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(raised, SIGUSR1);
}

TEST(AppException, ErrorIsShownThenTheNoticeAndTheProgramEndsByItsOrdinaryPath) {
    std::vector<std::pair<std::string, std::string>> shown;
    SetErrorShower([&](const std::string& text, const std::string& caption) {
        shown.emplace_back(caption, text);
    });
    int ends = 0;
    SetEndHook([&] { ++ends; });
    Guarded([] { throw EInOutError(io_error::DiskFull, "tavi.dat"); });
    Guarded([] {});
    SetEndHook(nullptr);
    SetErrorShower(nullptr);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].first, "Merrowin");
    EXPECT_EQ(shown[0].second, EInOutError(io_error::DiskFull, "tavi.dat").Where() + ".");
    EXPECT_EQ(shown[1].first, "Unhandled Exception");
    EXPECT_EQ(shown[1].second, kUnhandledText);
    EXPECT_EQ(ends, 1);
}

} // namespace
