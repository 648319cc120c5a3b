#include "RuntimeClass.h"
#include <cstring>

namespace {
CRuntimeClass* g_pFirstClass = nullptr;
}

CRuntimeClass CObject::classCObject = { "CObject", nullptr, nullptr, nullptr };
static CClassRegistration s_registrationCObject(&CObject::classCObject);

CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

CClassRegistration::CClassRegistration(CRuntimeClass* pClass) {
    pClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = pClass;
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBase) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass)
        if (p == pBase) return true;
    return false;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName) {
    if (!lpszClassName) return nullptr;
    for (CRuntimeClass* p = g_pFirstClass; p; p = p->m_pNextClass)
        if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
    return nullptr;
}
