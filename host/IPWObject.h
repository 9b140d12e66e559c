#pragma once

#include <string>

class CStepchainData;
class IPWProperty;

// The screen object that owns a property, as the module uses it.
class IPWObject {
public:
    virtual ~IPWObject() = default;
    // "SELECT" marks a selection object, which never owns a list.
    virtual std::string GetTypeName() const = 0;
    // May-change check: nonzero allows the proposed value.
    virtual int CanChange(CStepchainData* proposed, int context) = 0;
    // Changed notice for one of the object's properties.
    virtual void OnChanged(IPWProperty* property) = 0;
    // The object name, used for "[NAME]" in line labels. CP932.
    virtual std::string GetObjectName() const = 0;
};
