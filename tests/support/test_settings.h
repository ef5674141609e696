#pragma once
// A settings service over a settings file of its own (none at first), for the views that read
// their settings: it holds the defaults until a test changes a value through it.

#include "storage/settings_service.h"
#include "storage/settings_store.h"
#include "storage/storage_test_support.h"
#include "support/recording_ui.h"

namespace kestrin::test {

struct TestSettings {
    storage::testing::TempFolder folder;
    RecordingUi ui;
    storage::SettingsStore store{folder.path(), ui};
    storage::SettingsService service{store};
};

}  // namespace kestrin::test
