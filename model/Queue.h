#pragma once

#include "model/Trace.h"

#include <cstddef>
#include <list>
#include <memory>

namespace tallar {

template <class T> class CKolejka;

// An element of a CKolejka: it knows the queue that holds it and its place there. The
// queue owns its elements; an element that is in no queue belongs to whoever holds it.
template <class T> class CPozycja {
public:
    CPozycja() = default;
    CPozycja(const CPozycja&) = delete;
    CPozycja& operator=(const CPozycja&) = delete;

    // The queue holding this element, or null.
    CKolejka<T>* queue() const { return queue_; }
    // The neighbours in the queue (null at the ends and outside a queue).
    T* nextInQueue() const;
    T* previousInQueue() const;

    // Takes the element out of its queue and hands it to the caller (null when the element
    // is in no queue). The queue's cursor moves as when the element is removed.
    std::unique_ptr<T> Odlaczenie();

protected:
    ~CPozycja() = default;

private:
    friend class CKolejka<T>;
    CKolejka<T>* queue_ = nullptr;
    typename std::list<std::unique_ptr<T>>::iterator place_{};
};

// An ordered list of owned elements with a cursor (the current element). Insertions work
// at the cursor; searches over the elements never move it.
template <class T> class CKolejka {
    using List = std::list<std::unique_ptr<T>>;

public:
    CKolejka() = default;
    CKolejka(const CKolejka&) = delete;
    CKolejka& operator=(const CKolejka&) = delete;
    virtual ~CKolejka() {
        trace("\n CKolejka::~CKolejka() \n");
        destroyEachFromFront();
        while (const_iterator* walker = walkers_) {
            walkers_ = walker->nextWalker_;
            walker->queue_ = nullptr;
            walker->previousWalker_ = walker->nextWalker_ = nullptr;
        }
    }

    bool empty() const { return list_.empty(); }
    std::size_t size() const { return list_.size(); }

    // Cursor movement; each returns the new current element (null when the cursor leaves
    // the list, which leaves the cursor empty).
    T* First() { return moveTo(list_.begin()); }
    T* Last() { return moveTo(list_.empty() ? list_.end() : std::prev(list_.end())); }
    T* Next() { return cursor_ == list_.end() ? nullptr : moveTo(std::next(cursor_)); }
    T* Previous() {
        if (cursor_ == list_.end())
            return nullptr;
        return moveTo(cursor_ == list_.begin() ? list_.end() : std::prev(cursor_));
    }
    T* Current() const { return cursor_ == list_.end() ? nullptr : cursor_->get(); }
    T* PeekNext() const {
        if (cursor_ == list_.end())
            return nullptr;
        auto next = std::next(cursor_);
        return next == list_.end() ? nullptr : next->get();
    }
    T* PeekPrevious() const {
        return cursor_ == list_.end() || cursor_ == list_.begin() ? nullptr
                                                                  : std::prev(cursor_)->get();
    }
    bool CursorEmpty() const { return cursor_ == list_.end(); }
    // Puts the cursor on an element of this queue; null (or a stranger) empties it.
    void SetCursor(const T* element) {
        cursor_ = element && element->queue_ == this ? element->place_ : list_.end();
    }

    // Inserts after the cursor and makes the new element current. With an empty cursor the
    // element goes to the end, so inserting after the last element appends.
    T* InsertAfter(std::unique_ptr<T> element) {
        return link(cursor_ == list_.end() ? list_.end() : std::next(cursor_), std::move(element));
    }
    // Inserts before the cursor (at the front with an empty cursor) and makes it current.
    T* InsertBefore(std::unique_ptr<T> element) {
        return link(cursor_ == list_.end() ? list_.begin() : cursor_, std::move(element));
    }
    // Appends at the end and makes the new element current.
    T* Append(std::unique_ptr<T> element) { return link(list_.end(), std::move(element)); }

    // Destroys the current element; the cursor moves to the previous element, or to the
    // next one when the first was removed. False when the cursor is empty.
    bool Usun() {
        trace("\n CPozycja * CKolejka::Usun() \n");
        if (cursor_ == list_.end()) {
            trace("\n CPozycja * CKolejka::Usun() - bład wskaznika\n");
            return false;
        }
        std::unique_ptr<T> removed = unlink(*cursor_->get());
        return true;
    }
    // Destroys every element. (To take one element out, see CPozycja::Odlaczenie.)
    void UsunAll() {
        trace("\n CKolejka::UsunAll() \n");
        destroyEachFromFront();
    }

    // Iteration over the elements in order; the cursor is not involved. An iterator stays
    // valid while elements leave the queue, including the one it stands on (destroying an
    // entry destroys the entries that refer to it, which may be its siblings): it steps back
    // to the previous element, so that the next step reaches the element after the one that
    // left. An iterator of a destroyed queue is at the end. Elements added during a walk
    // after the iterator are reached.
    class const_iterator {
    public:
        using value_type = T*;
        using difference_type = std::ptrdiff_t;
        const_iterator() = default;
        const_iterator(const const_iterator& other) noexcept
            : queue_(other.queue_), place_(other.place_), beforeFirst_(other.beforeFirst_) {
            attach();
        }
        const_iterator& operator=(const const_iterator& other) noexcept {
            if (this != &other) {
                detach();
                queue_ = other.queue_;
                place_ = other.place_;
                beforeFirst_ = other.beforeFirst_;
                attach();
            }
            return *this;
        }
        ~const_iterator() { detach(); }

        T* operator*() const { return place_->get(); }
        const_iterator& operator++() {
            if (queue_) {
                place_ = beforeFirst_ ? queue_->list_.begin() : std::next(place_);
                beforeFirst_ = false;
            }
            return *this;
        }
        const_iterator operator++(int) {
            auto copy = *this;
            ++*this;
            return copy;
        }
        bool operator==(const const_iterator& other) const {
            if (atEnd() || other.atEnd())
                return atEnd() && other.atEnd();
            return beforeFirst_ == other.beforeFirst_ && (beforeFirst_ || place_ == other.place_);
        }
        // True when the iterator stands on `element` (it has not left the queue).
        bool standsOn(const T* element) const {
            return !atEnd() && !beforeFirst_ && place_->get() == element;
        }

    private:
        friend class CKolejka;
        const_iterator(const CKolejka& queue, typename List::const_iterator place)
            : queue_(&queue), place_(place) {
            attach();
        }
        bool atEnd() const { return !queue_ || (!beforeFirst_ && place_ == queue_->list_.end()); }
        // The queue keeps its live iterators in a list threaded through them.
        void attach() {
            if (!queue_)
                return;
            nextWalker_ = queue_->walkers_;
            if (nextWalker_)
                nextWalker_->previousWalker_ = this;
            queue_->walkers_ = this;
        }
        void detach() {
            if (!queue_)
                return;
            if (previousWalker_)
                previousWalker_->nextWalker_ = nextWalker_;
            else
                queue_->walkers_ = nextWalker_;
            if (nextWalker_)
                nextWalker_->previousWalker_ = previousWalker_;
            previousWalker_ = nextWalker_ = nullptr;
        }

        const CKolejka* queue_ = nullptr; // null at the end and after the queue is gone
        typename List::const_iterator place_{};
        bool beforeFirst_ = false; // the element it stood on left from the front
        const_iterator* previousWalker_ = nullptr;
        const_iterator* nextWalker_ = nullptr;
    };
    const_iterator begin() const { return const_iterator(*this, list_.begin()); }
    const_iterator end() const { return const_iterator(); }
    T* front() const { return list_.empty() ? nullptr : list_.front().get(); }
    T* back() const { return list_.empty() ? nullptr : list_.back().get(); }

protected:
    // Called as an element leaves this queue (taken out or destroyed), before it goes.
    virtual void elementLeaving(T& /*element*/) {}

private:
    friend class CPozycja<T>;

    // UsunAll and the destructor, each with its own trace line: the elements go one by one
    // from the front, each taken out before it is destroyed, so the destruction of one may
    // remove others from this queue safely.
    void destroyEachFromFront() {
        while (!list_.empty())
            unlink(*list_.front());
    }

    T* moveTo(typename List::iterator it) {
        cursor_ = it;
        return Current();
    }

    T* link(typename List::iterator before, std::unique_ptr<T> element) {
        if (!element)
            return nullptr;
        T* raw = element.get();
        auto it = list_.insert(before, std::move(element));
        raw->queue_ = this;
        raw->place_ = it;
        cursor_ = it;
        return raw;
    }

    std::unique_ptr<T> unlink(T& element) {
        const auto it = element.place_;
        const bool first = it == list_.begin();
        const bool last = std::next(it) == list_.end();
        if (first && last)
            trace("\n CPozycja::Odlaczenie() - ostatnia z kolejki \n");
        else if (first || last)
            trace("\n CPozycja::Odlaczenie() - odlaczenie z konca kolejki \n");
        else
            trace("\n CPozycja::Odlaczenie() - odlaczenie ze srodka kolejki \n");
        if (cursor_ == it)
            cursor_ = first ? std::next(it) : std::prev(it);
        elementLeaving(element);
        for (const_iterator* walker = walkers_; walker; walker = walker->nextWalker_) {
            if (walker->beforeFirst_ || walker->place_ != it)
                continue;
            walker->beforeFirst_ = it == list_.begin();
            walker->place_ = walker->beforeFirst_ ? list_.end() : std::prev(it);
        }
        std::unique_ptr<T> owned = std::move(*it);
        list_.erase(it);
        element.queue_ = nullptr;
        element.place_ = {};
        return owned;
    }

    List list_;
    typename List::iterator cursor_ = list_.end();
    mutable const_iterator* walkers_ = nullptr; // the live iterators over this queue
};

template <class T> T* CPozycja<T>::nextInQueue() const {
    if (!queue_)
        return nullptr;
    auto next = std::next(place_);
    return next == queue_->list_.end() ? nullptr : next->get();
}

template <class T> T* CPozycja<T>::previousInQueue() const {
    if (!queue_ || place_ == queue_->list_.begin())
        return nullptr;
    return std::prev(place_)->get();
}

template <class T> std::unique_ptr<T> CPozycja<T>::Odlaczenie() {
    return queue_ ? queue_->unlink(static_cast<T&>(*this)) : nullptr;
}

} // namespace tallar
