// Run-time class information: each registered class can be found by name and, when it is
// dynamically creatable, made without knowing its type at compile time.
#pragma once
#include <windows.h>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();  // nullptr when the class is not dynamically creatable
    CRuntimeClass* m_pNextClass;      // link in the module's list of registered classes

    // A new object of this class, or nullptr when it cannot be created.
    CObject* CreateObject() const;
    // TRUE when this class is pBase or derives from it.
    bool IsDerivedFrom(const CRuntimeClass* pBase) const;
    // The registered class of that name, or nullptr.
    static CRuntimeClass* FromName(const char* lpszClassName);
};

// Adds a class to the module's list; a static instance of it registers a class at load.
struct CClassRegistration {
    explicit CClassRegistration(CRuntimeClass* pClass);
};

// Root of the framework's classes that carry run-time class information.
class CObject {
public:
    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }
    static CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, pfnNew) \
    CRuntimeClass class_name::class##class_name = { #class_name, RUNTIME_CLASS(base_class_name), pfnNew, nullptr }; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); } \
    static CClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new (std::nothrow) class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, class_name::CreateObject)
