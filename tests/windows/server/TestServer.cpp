// The test automation server: an in-process COM server whose two classes stand in for
// Excel and Word under ProgIDs of the tests' own. regsvr32 registers them in
// HKEY_CLASSES_ROOT, where Wine's class lookup reads them (it does not merge in the
// current user's classes).

#include "ServerExcel.h"
#include "ServerWord.h"
#include "TestServerState.h"

#include <objbase.h>
#include <olectl.h>

#include <atomic>
#include <string>

namespace {

// {26740a87-d982-4af9-a9fc-0d0cc271f1cd}
const CLSID ExcelClass = {0x26740a87, 0xd982, 0x4af9, {0xa9, 0xfc, 0x0d, 0x0c, 0xc2, 0x71, 0xf1, 0xcd}};
// {d21da7c3-01aa-4101-bf21-4d319c58bb87}
const CLSID WordClass = {0xd21da7c3, 0x01aa, 0x4101, {0xbf, 0x21, 0x4d, 0x31, 0x9c, 0x58, 0xbb, 0x87}};

HMODULE g_module = nullptr;
std::atomic<long> g_locks{0};

using Create = IDispatch *(*)(TestServerState &);

class ClassFactory : public IClassFactory
{
public:
    explicit ClassFactory(Create create) : m_create(create) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory *>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factories live as long as the module.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID riid, void **object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        IDispatch *application = nullptr;
        try {
            application = m_create(*tablevaneTestServerState());
        } catch (...) {
            // The simulation refused to start an instance, as an Excel that fails to start.
            return CO_E_SERVER_EXEC_FAILURE;
        }
        const HRESULT result = application->QueryInterface(riid, object);
        application->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        g_locks += lock ? 1 : -1;
        return S_OK;
    }

private:
    Create m_create;
};

ClassFactory g_excelFactory(newServerExcelApplication);
ClassFactory g_wordFactory(newServerWordApplication);

std::wstring classText(const CLSID &id)
{
    wchar_t text[40];
    StringFromGUID2(id, text, 40);
    return text;
}

bool setValue(const std::wstring &key, const wchar_t *name, const std::wstring &value)
{
    return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, value.c_str(),
                           DWORD((value.size() + 1) * sizeof(wchar_t)))
        == ERROR_SUCCESS;
}

bool registerClass(const CLSID &id, const std::wstring &progId, const std::wstring &module)
{
    const std::wstring clsid = L"CLSID\\" + classText(id);
    return setValue(clsid, nullptr, progId) && setValue(clsid + L"\\InprocServer32", nullptr, module)
        && setValue(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment")
        && setValue(clsid + L"\\ProgID", nullptr, progId) && setValue(progId + L"\\CLSID", nullptr, classText(id));
}

void unregisterClass(const CLSID &id, const std::wstring &progId)
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + classText(id)).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, progId.c_str());
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID id, REFIID riid, LPVOID *object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (id == ExcelClass)
        return g_excelFactory.QueryInterface(riid, object);
    if (id == WordClass)
        return g_wordFactory.QueryInterface(riid, object);
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow()
{
    return tablevaneTestServerState()->liveObjects == 0 && g_locks == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    wchar_t module[MAX_PATH];
    const DWORD length = GetModuleFileNameW(g_module, module, MAX_PATH);
    if (length == 0 || length == MAX_PATH)
        return SELFREG_E_CLASS;
    const bool registered = registerClass(ExcelClass, TABLEVANE_TESTSERVER_EXCEL, module)
        && registerClass(WordClass, TABLEVANE_TESTSERVER_WORD, module);
    return registered ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer()
{
    unregisterClass(ExcelClass, TABLEVANE_TESTSERVER_EXCEL);
    unregisterClass(WordClass, TABLEVANE_TESTSERVER_WORD);
    return S_OK;
}
