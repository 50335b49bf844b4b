#pragma once
// Films or games: the two collections of the store.

enum class TSammlungsart { Filme, Spiele };
