#include <QTest>
#include <string>
#include <vector>

#include "app/RegistryModule.h"
#include "support/FakeRegistry.h"
#include "support/QtTestMain.h"

using tessora::FakeRegistry;
using tessora::kLocalMachine;
using tessora::RegHandle;
using tessora::RegistryModule;

namespace {

constexpr RegHandle kUntouched = 0x1234u;
const std::string kSettings = "HKEY_LOCAL_MACHINE\\Config\\0001\\Display\\Settings";

struct ShownBox {
    std::string text;
    std::string title;
    int style;
};

// Records the message boxes instead of showing them; every box is answered with OK.
class BoxRecorder {
  public:
    tessora::MessageBoxFunction function() {
        return [this](std::string_view text, std::string_view title, int style) {
            boxes.push_back({std::string(text), std::string(title), style});
            return 1;
        };
    }
    std::vector<ShownBox> boxes;
};

}  // namespace

class RegistryModuleTest : public QObject {
    Q_OBJECT

  private slots:
    void rootKeyHandleFollowsTheTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("handle");
        QTest::newRow("classes root") << "HKEY_CLASSES_ROOT" << 0x80000000u;
        QTest::newRow("current user") << "HKEY_CURRENT_USER" << 0x80000001u;
        QTest::newRow("local machine") << "HKEY_LOCAL_MACHINE" << 0x80000002u;
        QTest::newRow("users") << "HKEY_USERS" << 0x80000003u;
        QTest::newRow("performance data") << "HKEY_PERFORMANCE_DATA" << 0x80000004u;
        QTest::newRow("current config") << "HKEY_CURRENT_CONFIG" << 0x80000005u;
        QTest::newRow("dyn data") << "HKEY_DYN_DATA" << 0x80000006u;
        QTest::newRow("unknown root") << "HKEY_LOCAL" << 0u;
        QTest::newRow("lower case") << "hkey_local_machine" << 0u;
        QTest::newRow("trailing space") << "HKEY_USERS " << 0u;
        QTest::newRow("empty") << "" << 0u;
    }

    void rootKeyHandleFollowsTheTable() {
        QFETCH(QString, name);
        QFETCH(uint, handle);
        QCOMPARE(RegistryModule::RootKeyHandle(name.toStdString()), RegHandle{handle});
    }

    void splitKeyPathSeparatesRootAndSubKey_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<uint>("root");
        QTest::addColumn<QString>("subKey");
        QTest::newRow("display settings") << QString::fromStdString(kSettings) << 0x80000002u
                                          << "Config\\0001\\Display\\Settings";
        QTest::newRow("one level") << "HKEY_USERS\\.DEFAULT" << 0x80000003u << ".DEFAULT";
        QTest::newRow("root alone") << "HKEY_CURRENT_USER" << 0x80000001u << "";
        QTest::newRow("unknown root keeps its sub-key")
            << "HKEY_NOWHERE\\Software" << 0u << "Software";
        QTest::newRow("bare prefix") << "HKEY_" << 0u << "";
        QTest::newRow("only the first backslash splits")
            << "HKEY_CLASSES_ROOT\\\\.wav" << 0x80000000u << "\\.wav";
    }

    void splitKeyPathSeparatesRootAndSubKey() {
        QFETCH(QString, path);
        QFETCH(uint, root);
        QFETCH(QString, subKey);
        FakeRegistry registry;
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());
        std::string keyPath = path.toStdString();
        RegHandle handle = kUntouched;
        module.SplitKeyPath(keyPath, handle);
        QCOMPARE(handle, RegHandle{root});
        QCOMPARE(QString::fromStdString(keyPath), subKey);
        QVERIFY(recorder.boxes.empty());
    }

    void splitKeyPathReportsAMalformedPathAndLeavesEverythingAlone_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("no HKEY_ prefix") << "Software\\Tessora";
        QTest::newRow("lower-case prefix") << "hkey_local_machine\\Config";
        QTest::newRow("trailing backslash") << "HKEY_LOCAL_MACHINE\\Config\\";
        QTest::newRow("root with trailing backslash") << "HKEY_LOCAL_MACHINE\\";
        QTest::newRow("empty") << "";
    }

    void splitKeyPathReportsAMalformedPathAndLeavesEverythingAlone() {
        QFETCH(QString, path);
        FakeRegistry registry;
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());
        std::string keyPath = path.toStdString();
        RegHandle handle = kUntouched;
        module.SplitKeyPath(keyPath, handle);
        QCOMPARE(handle, kUntouched);
        QCOMPARE(keyPath, path.toStdString());
        QCOMPARE(recorder.boxes.size(), size_t{1});
        QCOMPARE(recorder.boxes[0].text, "Incorrect Format:\n\n" + path.toStdString());
        QCOMPARE(recorder.boxes[0].title, std::string("Tessora"));
        QCOMPARE(recorder.boxes[0].style, 0);
    }

    void readRegistryValueGivesTheValueErrorOrNothing_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("boxes");
        QTest::newRow("present") << QString::fromStdString(kSettings) << "DPILogicalX"
                                 << "96" << 0;
        QTest::newRow("names ignore case") << "HKEY_LOCAL_MACHINE\\config\\0001\\display\\SETTINGS"
                                           << "dpilogicaly"
                                           << "120" << 0;
        QTest::newRow("empty value") << QString::fromStdString(kSettings) << "Leer"
                                     << "" << 0;
        QTest::newRow("longest value that fits")
            << QString::fromStdString(kSettings) << "Lang254" << QString(254, 'x') << 0;
        QTest::newRow("one byte too long") << QString::fromStdString(kSettings) << "Lang255"
                                           << "Error" << 0;
        QTest::newRow("missing value") << QString::fromStdString(kSettings) << "DPIPhysicalX"
                                       << "Error" << 0;
        QTest::newRow("missing key") << "HKEY_LOCAL_MACHINE\\Config\\0002\\Display\\Settings"
                                     << "DPILogicalX"
                                     << "Error" << 0;
        QTest::newRow("value of another root")
            << "HKEY_CURRENT_CONFIG\\Config\\0001\\Display\\Settings"
            << "DPILogicalX"
            << "Error" << 0;
        QTest::newRow("unknown root") << "HKEY_NOWHERE\\Config"
                                      << "DPILogicalX"
                                      << "" << 0;
        QTest::newRow("malformed path") << "Config\\0001"
                                        << "DPILogicalX"
                                        << "" << 1;
    }

    void readRegistryValueGivesTheValueErrorOrNothing() {
        QFETCH(QString, path);
        QFETCH(QString, valueName);
        QFETCH(QString, expected);
        QFETCH(int, boxes);
        FakeRegistry registry;
        const std::string settings = "Config\\0001\\Display\\Settings";
        registry.SetValue(kLocalMachine, settings, "DPILogicalX", "96");
        registry.SetValue(kLocalMachine, settings, "DPILogicalY", "120");
        registry.SetValue(kLocalMachine, settings, "Leer", "");
        registry.SetValue(kLocalMachine, settings, "Lang254", std::string(254, 'x'));
        registry.SetValue(kLocalMachine, settings, "Lang255", std::string(255, 'x'));
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());

        const std::string value =
            module.ReadRegistryValue(path.toStdString(), valueName.toStdString());
        QCOMPARE(QString::fromStdString(value), expected);
        QCOMPARE(int(recorder.boxes.size()), boxes);
        // Whatever happened, no key is left open.
        QCOMPARE(registry.openKeyCount(), 0);
    }

    void readRegistryValueOnASystemWithoutTheKeyGivesError() {
        tessora::EmptyRegistry registry;
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());
        QCOMPARE(module.ReadRegistryValue(kSettings, "DPILogicalX"), std::string("Error"));
        QVERIFY(recorder.boxes.empty());
    }

    // The root of an earlier read must not be combined with a later malformed path.
    void aMalformedPathAfterAGoodReadOpensNothing() {
        FakeRegistry registry;
        registry.SetValue(kLocalMachine, "Config\\0001\\Display\\Settings", "DPILogicalX", "96");
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());
        QCOMPARE(module.ReadRegistryValue(kSettings, "DPILogicalX"), std::string("96"));
        const int opensBefore = registry.openCalls();

        QCOMPARE(module.ReadRegistryValue(kSettings + "\\", "DPILogicalX"), std::string());
        // Opened under the earlier root, this sub-key would have found the value "96".
        QCOMPARE(module.ReadRegistryValue("Config\\0001\\Display\\Settings", "DPILogicalX"),
                 std::string());
        QCOMPARE(registry.openCalls(), opensBefore);
        QCOMPARE(recorder.boxes.size(), size_t{2});
    }

    void theKeyIsClosedWhenTheQueryFails() {
        FakeRegistry registry;
        registry.AddKey(kLocalMachine, "Config\\0001\\Display\\Settings");
        BoxRecorder recorder;
        RegistryModule module(registry, recorder.function());
        QCOMPARE(module.ReadRegistryValue(kSettings, "DPILogicalX"), std::string("Error"));
        QCOMPARE(registry.queryCalls(), 1);
        QCOMPARE(registry.openKeyCount(), 0);
        QCOMPARE(module.status(), tessora::reg::kFileNotFound);
    }
};

TESSORA_QTEST(RegistryModuleTest)
#include "registry_module_test.moc"
