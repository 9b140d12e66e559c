#include "host/CObject.h"

const char* CObject::GetRuntimeClass() const { return "CObject"; }

void CObject::Serialize(CArchive&) {}

void CObject::AssertValid() const {}

void CObject::Dump(std::ostream& out) const { out << "a " << GetRuntimeClass() << " at " << this << "\n"; }
