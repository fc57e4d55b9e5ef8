#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>

#include "ui/DesktopServicesQt.h"

using namespace tonvexa;

namespace {

// A file manager on a private bus: records each ShowItems call and answers it, or not.
class FakeFileManager : public QDBusVirtualObject {
public:
    bool answer = true;
    QList<QDBusMessage> calls;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        calls.push_back(message);
        if (answer) connection.send(message.createReply());
        return true;
    }
};

// A private session bus for the length of a test.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) return;
        process_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                QStringLiteral("--print-address=1")});
        if (!process_.waitForStarted(5000)) return;
        QByteArray line;
        for (int i = 0; i < 50 && !line.contains('\n'); ++i) {
            process_.waitForReadyRead(100);
            line += process_.readAllStandardOutput();
        }
        address_ = QString::fromUtf8(line).trimmed();
    }
    ~PrivateBus() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    const QString& address() const { return address_; }

private:
    QProcess process_;
    QString address_;
};

struct Opened {
    QList<QUrl> urls;
    DesktopServicesQt::Opener opener() {
        return [this](const QUrl& url) {
            urls.push_back(url);
            return true;
        };
    }
};

}  // namespace

TEST(DesktopServicesQt, WithoutABusTheFolderOpens) {
    QDBusConnection none = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/tonvexa-bus"), QStringLiteral("tonvexa-no-bus"));
    ASSERT_FALSE(none.isConnected());
    Opened opened;
    {
        DesktopServicesQt services(none, opened.opener());
        services.ShowInExplorer("/music/some folder/a.mp3");
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("tonvexa-no-bus"));
    ASSERT_EQ(opened.urls.size(), 1);
    EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(QStringLiteral("/music/some folder")));
}

class DesktopServicesBusTest : public testing::Test {
protected:
    void SetUp() override {
        if (bus.address().isEmpty()) GTEST_SKIP() << "no dbus-daemon to run a private bus";
        caller = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("tonvexa-caller")));
        service = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(bus.address(), QStringLiteral("tonvexa-fm")));
        ASSERT_TRUE(caller->isConnected());
        ASSERT_TRUE(service->isConnected());
    }
    void TearDown() override {
        caller.reset();
        service.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("tonvexa-caller"));
        QDBusConnection::disconnectFromBus(QStringLiteral("tonvexa-fm"));
    }
    void offerFileManager() {
        ASSERT_TRUE(service->registerService(QStringLiteral("org.freedesktop.FileManager1")));
        ASSERT_TRUE(service->registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"),
                                                   &fileManager));
    }

    PrivateBus bus;
    FakeFileManager fileManager;
    std::unique_ptr<QDBusConnection> caller;
    std::unique_ptr<QDBusConnection> service;
    Opened opened;
};

TEST_F(DesktopServicesBusTest, TheFileManagerIsAskedToShowTheFile) {
    offerFileManager();
    DesktopServicesQt services(*caller, opened.opener(), 2000);
    services.ShowInExplorer("/music/a b/x#1.mp3");
    EXPECT_TRUE(fileManager.calls.isEmpty());  // asynchronous: nothing waited for it
    ASSERT_TRUE(QTest::qWaitFor([this] { return !fileManager.calls.isEmpty(); }, 5000));
    const QDBusMessage& call = fileManager.calls[0];
    EXPECT_EQ(call.interface(), QStringLiteral("org.freedesktop.FileManager1"));
    EXPECT_EQ(call.member(), QStringLiteral("ShowItems"));
    ASSERT_EQ(call.arguments().size(), 2);
    EXPECT_EQ(call.arguments()[0].toStringList(),
              QStringList{QStringLiteral("file:///music/a%20b/x%231.mp3")});
    EXPECT_EQ(call.arguments()[1].toString(), QString());
    QTest::qWait(100);
    EXPECT_TRUE(opened.urls.isEmpty());
}

TEST_F(DesktopServicesBusTest, NoFileManagerOpensTheFolder) {
    DesktopServicesQt services(*caller, opened.opener(), 2000);
    services.ShowInExplorer("/music/pop/a.mp3");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !opened.urls.isEmpty(); }, 5000));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/music/pop"))});
}

TEST_F(DesktopServicesBusTest, ASilentFileManagerTimesOutIntoTheFolder) {
    fileManager.answer = false;
    offerFileManager();
    DesktopServicesQt services(*caller, opened.opener(), 300);
    services.ShowInExplorer("/music/pop/a.mp3");
    EXPECT_TRUE(opened.urls.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([this] { return !opened.urls.isEmpty(); }, 5000));
    EXPECT_EQ(fileManager.calls.size(), 1);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QStringLiteral("/music/pop"))});
}
