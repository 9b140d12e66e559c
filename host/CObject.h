#pragma once

#include <ostream>

class CArchive;

// The framework's object: what every property is besides its interface.
// Its table holds the class query, the destructor, serialisation and the
// two diagnostics, in this order.
class CObject {
public:
    virtual const char* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(std::ostream& out) const;
};
