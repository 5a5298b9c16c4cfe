// A bounded map for what a paint asks for again and again: the widths, layouts and stamps of the
// strings it draws. A diagram's paint draws the same pin texts and labels every tick among
// value-box texts that change every tick. Emptying a full map would throw the steady entries
// out together with the passing ones, and the next paints would make them all again; here the
// entries live in two generations instead. A full current generation becomes the previous one
// and the one before goes; an entry found in the previous generation moves into the current
// one. What every paint asks for survives as long as one paint asks for fewer entries than a
// generation holds, and the map never holds more than two generations.
#pragma once

#include <cstddef>
#include <functional>
#include <unordered_map>
#include <utility>

template <class Key, class Value, class Hash = std::hash<Key>>
class RecentCache {
public:
    explicit RecentCache(std::size_t nGeneration) : m_nGeneration(nGeneration < 1 ? 1 : nGeneration) {}

    // The entry for key, or nullptr. The pointer stays valid until the next Insert or Find.
    Value* Find(const Key& key)
    {
        if (const auto found = m_current.find(key); found != m_current.end())
            return &found->second;
        auto node = m_previous.extract(key);
        if (node.empty())
            return nullptr;
        return &Adopt(std::move(node));
    }

    // Adds an entry for a key that Find did not find.
    Value& Insert(Key key, Value value)
    {
        MakeRoom();
        return m_current.emplace(std::move(key), std::move(value)).first->second;
    }

    std::size_t Size() const { return m_current.size() + m_previous.size(); }

private:
    using Map = std::unordered_map<Key, Value, Hash>;

    // The node itself moves between generations: its value is neither copied nor moved.
    Value& Adopt(typename Map::node_type node)
    {
        MakeRoom();
        return m_current.insert(std::move(node)).position->second;
    }

    void MakeRoom()
    {
        if (m_current.size() < m_nGeneration)
            return;
        m_previous = std::move(m_current);
        m_current = Map();
    }

    std::size_t m_nGeneration;
    Map m_current;
    Map m_previous;
};
