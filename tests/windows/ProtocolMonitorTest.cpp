#include "device/ProtocolMonitor.h"
#include "device/ProtocolMonitorWindow.h"
#include "device/TAPSend.h"

#include "device/FakeHid.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace vamok;

namespace {

class ProtocolMonitorWindowTest : public ::testing::Test {
protected:
    std::vector<std::shared_ptr<test::FakeBridge>> noBridges;
    TAPSend layer{std::make_unique<test::FakeHidBackend>(&noBridges)};
    TAPSendWindow window{layer};

    QListWidget* list(const char* name) { return window.findChild<QListWidget*>(name); }
};

TEST_F(ProtocolMonitorWindowTest, RecordsOnlyWhileShown)
{
    EXPECT_EQ(window.objectName(), "APSend");
    EXPECT_EQ(window.windowTitle(), "APSend");
    EXPECT_FALSE(layer.Monitor().Enabled());
    layer.Monitor().LogTraffic("VeSr", "\x06");
    window.show();
    EXPECT_TRUE(layer.Monitor().Enabled());
    layer.Monitor().LogTraffic("VeSr", std::string("\x06" "A", 2));
    layer.Monitor().AppendTerminal("VeSr");
    ASSERT_EQ(list("SendList")->count(), 1);
    EXPECT_EQ(list("SendList")->item(0)->text(), "VeSr");
    EXPECT_EQ(list("ReceivedList")->item(0)->text(), "<ACK>[41]");
    EXPECT_EQ(window.findChild<QPlainTextEdit*>("Terminal")->toPlainText(), "VeSr");
}

TEST_F(ProtocolMonitorWindowTest, ClosingOnlyHidesAndStopsRecording)
{
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(layer.Monitor().Enabled());
    layer.Monitor().LogTraffic("x", "");
    EXPECT_EQ(list("SendList")->count(), 0);
}

} // namespace
