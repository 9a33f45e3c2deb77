#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <windows.h>

namespace {

std::wstring wide(const std::string &text) {
    std::wstring converted(text.size() + 1, L'\0');
    int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, converted.data(),
                                     static_cast<int>(converted.size()));
    converted.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return converted;
}

std::string manifest_of(const std::string &program) {
    HMODULE module = LoadLibraryExW(wide(program).c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return "(not loaded)";
    }
    std::string text = "(no manifest)";
    // Resource type 24 is RT_MANIFEST.
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const void *data = LockResource(LoadResource(module, found));
        text.assign(static_cast<const char *>(data), SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

struct Version {
    DWORD file_major_minor = 0;
    DWORD product_major_minor = 0;
    std::wstring file_text;
    std::wstring product_text;
};

std::wstring version_text(const std::vector<char> &block, const wchar_t *name) {
    void *value = nullptr;
    UINT length = 0;
    std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) {
        return L"(none)";
    }
    return static_cast<const wchar_t *>(value);
}

Version version_of(const std::string &program) {
    Version version;
    std::wstring path = wide(program);
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
        return version;
    }
    void *value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), L"\\", &value, &length) &&
        length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
        version.file_major_minor = fixed->dwFileVersionMS;
        version.product_major_minor = fixed->dwProductVersionMS;
    }
    version.file_text = version_text(block, L"FileVersion");
    version.product_text = version_text(block, L"ProductVersion");
    return version;
}

class ProgramResources : public testing::TestWithParam<const char *> {};

// What Windows reads from the built program itself before it runs it.
TEST_P(ProgramResources, DeclareScalingPathsCodePageAndVersion) {
    std::string manifest = manifest_of(GetParam());
    for (const char *setting : {">true/pm</dpiAware>", ">PerMonitorV2, PerMonitor</dpiAwareness>",
                                ">true</longPathAware>", ">UTF-8</activeCodePage>",
                                "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>"}) {
        EXPECT_NE(manifest.find(setting), std::string::npos) << setting << " in\n" << manifest;
    }
    Version version = version_of(GetParam());
    EXPECT_EQ(version.file_major_minor, MAKELONG(1, 1));
    EXPECT_EQ(version.product_major_minor, MAKELONG(1, 1));
    EXPECT_EQ(version.file_text, L"1.1");
    EXPECT_EQ(version.product_text, L"1.1");
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ProgramResources,
                         testing::Values(GB_RUNTIME_MENU_PATH, GB_RUNTIME_LAN_TOOL));

// Run only by e2e/win32/started_as_players_do.sh, inside a console. It starts the windowed
// program as a command prompt does: without standard handles, which a program of the desktop
// subsystem does not get from its console; and as a launcher may, with them on the null device.
// Each time the help text belongs in the console. Wine's C runtime cannot reopen a stream it
// never opened, so under Wine only the second start shows it there.
TEST(MenuFromAPrompt, DISABLED_StartsTheMenuWithoutStandardHandlesOrOnTheNullDevice) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE null_device =
        CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherited, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(null_device, INVALID_HANDLE_VALUE);
    for (HANDLE standard : {HANDLE{nullptr}, null_device}) {
        std::wstring command = wide(std::string("gb_runtime_menu --help"));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = standard;
        PROCESS_INFORMATION created{};
        ASSERT_TRUE(CreateProcessW(wide(GB_RUNTIME_MENU_PATH).c_str(), command.data(), nullptr,
                                   nullptr, standard != nullptr, 0, nullptr, nullptr, &startup,
                                   &created));
        ASSERT_EQ(WaitForSingleObject(created.hProcess, 30000), WAIT_OBJECT_0);
        DWORD code = 1;
        GetExitCodeProcess(created.hProcess, &code);
        CloseHandle(created.hThread);
        CloseHandle(created.hProcess);
        EXPECT_EQ(code, 0u);
    }
    CloseHandle(null_device);
}

} // namespace
