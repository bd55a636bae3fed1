#pragma once

// The tools file Tools.rel and its table of tools.
