// The JSON result file as a tree of declared nodes: each node knows how to
// take its value from the records it is given and how to describe itself in
// JSON Schema, so the file and its schema come from one declaration. Every
// leaf is named by a key of the quantity catalogue, which gives its
// description and unit. (Internal to the results floor: the JSON library
// stays inside it.)
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "view/quantities.hpp"

namespace vdk::json_tree {

// Floats are kept as float, so that the serialiser writes the shortest text
// that reads back to the same float (0.1f as 0.1, not 0.10000000149011612);
// it writes an infinite or not-a-number value as null. Keys keep the order in
// which they are set.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

// Appends a key known to be new in the object, without the library's search
// of the keys already there (a linear one in a key-ordered object).
inline void APPEND(Json& object, const char* key, Json&& value) {
  static_cast<Json::object_t::Container&>(object.get_ref<Json::object_t&>())
      .emplace_back(key, std::move(value));
}

// A node that reads a context of type C.
template <class C>
class Node {
 public:
  virtual ~Node() = default;
  virtual Json value(const C& c) const = 0;
  virtual Json schema() const = 0;
  // A leaf takes its description from the catalogue entry of its key.
  virtual bool leaf() const { return true; }
};
template <class C>
using N = std::shared_ptr<const Node<C>>;

// The schema of a float: JSON has no infinity and no not-a-number, so a float
// may also be null; `missing`: null also where the run did not compute it.
inline Json NUMBER_SCHEMA(bool missing) {
  Json s = Json::object();
  s["$ref"] = missing ? "#/$defs/number_or_null" : "#/$defs/number";
  return s;
}
inline Json TYPE_SCHEMA(std::initializer_list<const char*> types) {
  Json s = Json::object();
  if (types.size() == 1) {
    s["type"] = *types.begin();
  } else {
    Json a = Json::array();
    for (const char* t : types) a.push_back(t);
    s["type"] = std::move(a);
  }
  return s;
}

template <class T>
struct is_optional : std::false_type {};
template <class T>
struct is_optional<std::optional<T>> : std::true_type {};

// A leaf: the getter's result decides the JSON type (float or double:
// number; an optional: null where empty; int, long long: integer; bool;
// string). Terms computed in double are written as the nearest float.
template <class C, class F>
class Leaf : public Node<C> {
 public:
  Leaf(F f, std::vector<std::string> choices) : f_(std::move(f)), choices_(std::move(choices)) {}
  Json value(const C& c) const override { return TO_JSON(f_(c)); }
  Json schema() const override {
    using R = std::decay_t<std::invoke_result_t<F, const C&>>;
    if constexpr (is_optional<R>::value) {
      using T = typename R::value_type;
      if constexpr (std::is_floating_point_v<T>) return NUMBER_SCHEMA(true);
      Json s = SCALAR<T>(true);
      return s;
    } else {
      if constexpr (std::is_floating_point_v<R>) return NUMBER_SCHEMA(false);
      return SCALAR<R>(false);
    }
  }

 private:
  template <class T>
  Json SCALAR(bool nullable) const {
    Json s;
    if constexpr (std::is_same_v<T, bool>)
      s = nullable ? TYPE_SCHEMA({"boolean", "null"}) : TYPE_SCHEMA({"boolean"});
    else if constexpr (std::is_integral_v<T>)
      s = nullable ? TYPE_SCHEMA({"integer", "null"}) : TYPE_SCHEMA({"integer"});
    else
      s = nullable ? TYPE_SCHEMA({"string", "null"}) : TYPE_SCHEMA({"string"});
    if (!choices_.empty()) {
      Json e = Json::array();
      for (const std::string& c : choices_) e.push_back(c);
      if (nullable) e.push_back(nullptr);
      s["enum"] = std::move(e);
    }
    return s;
  }
  template <class T>
  static Json TO_JSON(const T& v) {
    if constexpr (is_optional<T>::value) {
      return v ? TO_JSON(*v) : Json(nullptr);
    } else if constexpr (std::is_same_v<T, double>) {
      return Json(static_cast<float>(v));
    } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, float>) {
      return Json(v);
    } else if constexpr (std::is_integral_v<T>) {
      return Json(static_cast<std::int64_t>(v));
    } else {
      return Json(std::string(v));
    }
  }
  F f_;
  std::vector<std::string> choices_;
};

template <class C, class F>
N<C> leaf(F f, std::vector<std::string> choices = {}) {
  return std::make_shared<Leaf<C, F>>(std::move(f), std::move(choices));
}

// A list of floats (or of integers) in one array.
template <class C, class T, class F>
class ListOf : public Node<C> {
 public:
  explicit ListOf(F f) : f_(std::move(f)) {}
  Json value(const C& c) const override {
    Json a = Json::array();
    for (const auto& x : f_(c)) {
      if constexpr (std::is_floating_point_v<T>)
        a.push_back(static_cast<float>(x));
      else if constexpr (std::is_integral_v<T>)
        a.push_back(static_cast<std::int64_t>(x));
      else
        a.push_back(std::string(x));
    }
    return a;
  }
  Json schema() const override {
    Json s = TYPE_SCHEMA({"array"});
    if constexpr (std::is_floating_point_v<T>)
      s["items"] = NUMBER_SCHEMA(false);
    else if constexpr (std::is_integral_v<T>)
      s["items"] = TYPE_SCHEMA({"integer"});
    else
      s["items"] = TYPE_SCHEMA({"string"});
    return s;
  }

 private:
  F f_;
};
template <class C, class T, class F>
N<C> list_of(F f) {
  return std::make_shared<ListOf<C, T, F>>(std::move(f));
}

// A field of an object: its key, its node and, for a group (not a leaf),
// its description. An `omitted` field is left out of the object where its
// value is null (a value the run did not reach, as older files have it).
template <class C>
struct Field {
  const char* key;
  N<C> node;
  const char* description = nullptr;
  bool omitted = false;
};

// An object of fields in their order. Every leaf key must be in the quantity
// catalogue (its description comes from there).
template <class C>
class Object : public Node<C> {
 public:
  explicit Object(std::vector<Field<C>> fields) : fields_(std::move(fields)) {
    for (const Field<C>& f : fields_)
      if (f.node->leaf()) QUANTITY(f.key);  // an unknown key is a fault of the program
  }
  Json value(const C& c) const override {
    Json j = Json::object();
    j.get_ref<Json::object_t&>().reserve(fields_.size());
    for (const Field<C>& f : fields_) {
      Json v = f.node->value(c);
      if (f.omitted && v.is_null()) continue;
      APPEND(j, f.key, std::move(v));
    }
    return j;
  }
  Json schema() const override {
    Json s = TYPE_SCHEMA({"object"});
    Json req = Json::array();
    for (const Field<C>& f : fields_)
      if (!f.omitted) req.push_back(f.key);
    s["required"] = std::move(req);
    Json props = Json::object();
    for (const Field<C>& f : fields_) {
      Json p = f.node->schema();
      if (f.description) {
        p["description"] = f.description;
      } else if (f.node->leaf()) {
        const Quantity& q = QUANTITY(f.key);
        p["description"] = std::string(q.name) +
                           (q.unit.empty() ? "" : ", " + std::string(q.unit)) + ": " +
                           std::string(q.description);
      }
      props[f.key] = std::move(p);
    }
    s["properties"] = std::move(props);
    s["additionalProperties"] = false;
    return s;
  }
  bool leaf() const override { return false; }

 private:
  std::vector<Field<C>> fields_;
};
template <class C>
N<C> object(std::vector<Field<C>> fields) {
  return std::make_shared<Object<C>>(std::move(fields));
}

// A part the records may lack: the getter gives a pointer to the context of
// the part, null for a part the run did not reach (written as null).
template <class C, class D, class F>
class Maybe : public Node<C> {
 public:
  Maybe(F f, N<D> node) : f_(std::move(f)), node_(std::move(node)) {}
  Json value(const C& c) const override {
    const D* d = f_(c);
    return d ? node_->value(*d) : Json(nullptr);
  }
  Json schema() const override {
    Json s = node_->schema();
    if (s.contains("$ref")) {
      if (s["$ref"] == "#/$defs/number") s["$ref"] = "#/$defs/number_or_null";
      return s;
    }
    Json t = s["type"];
    if (t.is_string()) {
      Json a = Json::array();
      a.push_back(t);
      a.push_back("null");
      s["type"] = std::move(a);
    } else if (std::find(t.begin(), t.end(), Json("null")) == t.end()) {
      s["type"].push_back("null");
    }
    return s;
  }
  bool leaf() const override { return node_->leaf(); }

 private:
  F f_;
  N<D> node_;
};
template <class C, class D, class F>
N<C> maybe(F f, N<D> node) {
  return std::make_shared<Maybe<C, D, F>>(std::move(f), std::move(node));
}

// A part the records always hold, read as a context of its own.
template <class C, class D, class F>
class At : public Node<C> {
 public:
  At(F f, N<D> node) : f_(std::move(f)), node_(std::move(node)) {}
  Json value(const C& c) const override { return node_->value(f_(c)); }
  Json schema() const override { return node_->schema(); }
  bool leaf() const override { return node_->leaf(); }

 private:
  F f_;
  N<D> node_;
};
template <class C, class D, class F>
N<C> at(F f, N<D> node) {
  return std::make_shared<At<C, D, F>>(std::move(f), std::move(node));
}

// An array with one element per record of a list.
template <class C, class D, class F>
class Each : public Node<C> {
 public:
  Each(F f, N<D> node) : f_(std::move(f)), node_(std::move(node)) {}
  Json value(const C& c) const override {
    Json a = Json::array();
    const auto& items = f_(c);
    a.get_ref<Json::array_t&>().reserve(items.size());
    for (const D& d : items) a.push_back(node_->value(d));
    return a;
  }
  Json schema() const override {
    Json s = TYPE_SCHEMA({"array"});
    s["items"] = node_->schema();
    return s;
  }
  bool leaf() const override { return false; }

 private:
  F f_;
  N<D> node_;
};
template <class C, class D, class F>
N<C> each(F f, N<D> node) {
  return std::make_shared<Each<C, D, F>>(std::move(f), std::move(node));
}

// A node whose value and schema are written by hand (an open map).
template <class C>
class Custom : public Node<C> {
 public:
  Custom(std::function<Json(const C&)> value, Json schema)
      : value_(std::move(value)), schema_(std::move(schema)) {}
  Json value(const C& c) const override { return value_(c); }
  Json schema() const override { return schema_; }
  bool leaf() const override { return false; }

 private:
  std::function<Json(const C&)> value_;
  Json schema_;
};
template <class C>
N<C> custom(std::function<Json(const C&)> value, Json schema) {
  return std::make_shared<Custom<C>>(std::move(value), std::move(schema));
}

}  // namespace vdk::json_tree
