// Reference-counted containers of instances (see KOR.h for the model).
#pragma once

namespace kor {

void RegisterContainerInterface();

}  // namespace kor
