// One factory program as a product lists it: a name and the product's N parameter values.
#pragma once

namespace velda {

struct FactoryProgram {
    const char* name;
    const double* values;  // N numbers, normalised 0..1
};

}  // namespace velda
