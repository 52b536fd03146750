#include "src/shell/framework/CViewFrameManager.h"

CViewFrameManager::CViewFrameManager(IBraeHost* host) : host_(host) {}

CViewFrameManager::~CViewFrameManager() = default;
