// The Python module `vardelonteksa`: the engine's public API for scripts and
// notebooks. A ship read from either file format, its values by named key or
// data-file symbol, the calculation with the program's answers and method,
// the result by the keys of the result files, the program's files, and the
// design sweep on the engine's own threads. The engine works with the GIL
// released, so other Python threads run meanwhile; its errors come back as
// Python exceptions (InputError is a ValueError, FileError an OSError).
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vardelonteksa/vardelonteksa.hpp>
#include <vector>

namespace py = pybind11;
namespace v = vardelonteksa;
namespace fs = std::filesystem;

namespace {

constexpr int EXIT_BAD_INPUT = 1;  // the program's exit status for input it cannot use

// --- errors ----------------------------------------------------------------------

// Raises the module's exception class `name` for an engine error, with the
// program's message and its code, exit status and console lines.
void RAISE(const char* name, const v::Error& e) {
  // The C++ names in a message as Python names them: "blades: ..." for
  // "Options::blades: ...", Ship.keys() for Ship::keys().
  std::string message = e.what();
  for (std::size_t at; (at = message.find("Options::")) != std::string::npos;) message.erase(at, 9);
  for (std::size_t at; (at = message.find("::")) != std::string::npos;) message.replace(at, 2, ".");
  const py::object type = py::module_::import("vardelonteksa").attr(name);
  py::object exc = type(message);
  exc.attr("code") = e.code();
  exc.attr("status") = e.status();
  exc.attr("report_lines") = e.report_lines();
  PyErr_SetObject(type.ptr(), exc.ptr());
}

void TRANSLATE(std::exception_ptr p) {
  try {
    if (p) std::rethrow_exception(p);
  } catch (const v::FileError& e) {
    RAISE("FileError", e);
  } catch (const v::InputError& e) {
    RAISE("InputError", e);
  } catch (const v::Error& e) {
    RAISE("Error", e);
  }
}

[[noreturn]] void REFUSE(const std::string& message) {
  throw v::InputError("E104", EXIT_BAD_INPUT, message);
}

// --- arguments ---------------------------------------------------------------------

// A number given for a value: anything Python takes as a float (TypeError else).
double REAL(const py::handle& x) {
  const double d = PyFloat_AsDouble(x.ptr());
  if (d == -1.0 && PyErr_Occurred()) throw py::error_already_set();
  return d;
}

v::Method METHOD(std::string_view name) {
  if (name == "classic") return v::Method::classic;
  if (name == "hm1982") return v::Method::hm1982;
  if (name == "hm1984") return v::Method::hm1984;
  REFUSE("method must be 'classic', 'hm1982' or 'hm1984', not '" + std::string(name) + "'");
}

const char* METHOD_NAME(v::Method m) {
  switch (m) {
    case v::Method::hm1982:
      return "hm1982";
    case v::Method::hm1984:
      return "hm1984";
    case v::Method::classic:
      break;
  }
  return "classic";
}

v::Language LANGUAGE(std::string_view name) {
  if (name == "tr") return v::Language::turkish;
  if (name == "en") return v::Language::english;
  REFUSE("lang must be 'tr' or 'en', not '" + std::string(name) + "'");
}

// A ship argument: a Ship, or the path of a ship file to read.
v::Ship SHIP_ARG(const py::handle& ship) {
  if (py::isinstance<v::Ship>(ship)) return ship.cast<v::Ship>();  // shares values until changed
  const py::object os_path = py::module_::import("os").attr("PathLike");
  if (!py::isinstance<py::str>(ship) && !py::isinstance<py::bytes>(ship) &&
      !py::isinstance(ship, os_path))
    throw py::type_error("ship must be a Ship or the path of a ship file, not " +
                         py::str(py::type::of(ship).attr("__name__")).cast<std::string>());
  return v::read_ship(ship.cast<fs::path>());
}

v::Options OPTIONS(std::optional<double> blades, std::optional<double> etad, double etad_start,
                   std::optional<double> ear, bool consistent, std::string_view method) {
  v::Options o;
  o.blades = blades;
  o.etad = etad;
  o.etad_start = etad_start;
  o.ear = ear;
  o.consistent = consistent;
  o.method = METHOD(method);
  return o;
}

// --- the result ----------------------------------------------------------------------

struct PyResult {
  v::Result r;
  v::Language lang;
};

// A float of the result: None for a value the run did not reach (NaN).
py::object NUMBER_OR_NONE(double x) {
  if (std::isnan(x)) return py::none();
  return py::float_(x);
}

// A column of numbers: a numpy array when numpy can be imported, else a list.
// Whether it can is found once and kept in the module (`_numpy`).
py::object COLUMN(const std::vector<double>& values) {
  py::module_ self = py::module_::import("vardelonteksa");
  if (!py::hasattr(self, "_numpy")) {
    try {
      self.attr("_numpy") = py::module_::import("numpy");
    } catch (py::error_already_set& e) {
      if (!e.matches(PyExc_ImportError)) throw;
      self.attr("_numpy") = py::none();
    }
  }
  const py::object np = self.attr("_numpy");
  if (np.is_none()) {
    py::list list(values.size());
    for (std::size_t k = 0; k < values.size(); ++k) list[k] = py::float_(values[k]);
    return list;
  }
  const py::bytes raw(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(double));
  return np.attr("frombuffer")(raw, np.attr("float64")).attr("copy")();
}

// The three mappings of a result by the keys of its files: the per-speed
// columns, the units, the trial point.
struct Table {
  enum class Kind { speeds, units, trial };
  std::shared_ptr<const PyResult> result;
  Kind kind;
  std::vector<std::string> keys() const {
    std::vector<std::string> list;
    auto add = [&list](const std::vector<v::Quantity>& qs) {
      for (const v::Quantity& q : qs)
        if (std::find(list.begin(), list.end(), q.key) == list.end()) list.push_back(q.key);
    };
    if (kind != Kind::trial) add(v::Result::speed_quantities());
    if (kind != Kind::speeds) add(v::Result::trial_quantities());
    return list;
  }
  bool contains(const std::string& key) const {
    const std::vector<std::string> list = keys();
    return std::find(list.begin(), list.end(), key) != list.end();
  }
  py::object get(const std::string& key) const {
    try {
      switch (kind) {
        case Kind::speeds:
          return COLUMN(result->r.speed_column(key));
        case Kind::trial:
          return result->r.trial() ? NUMBER_OR_NONE(result->r.trial_value(key)) : py::none();
        case Kind::units:
          for (const auto* qs : {&v::Result::speed_quantities(), &v::Result::trial_quantities()})
            for (const v::Quantity& q : *qs)
              if (q.key == key) return py::str(q.unit);
          throw py::key_error("no result value is named '" + key + "'");
      }
    } catch (const v::InputError& e) {
      throw py::key_error(e.what());
    }
    return py::none();
  }
  py::dict as_dict() const {
    py::dict d;
    for (const std::string& k : keys()) d[py::str(k)] = get(k);
    return d;
  }
};

py::object STOP_OF(const v::Result& r) {
  if (const v::Stop* s = r.stop()) return py::make_tuple(s->code, s->message);
  return py::none();
}

py::list WARNINGS_OF(const v::Result& r) {
  py::list list;
  for (const v::Warning& w : r.warnings()) list.append(py::make_tuple(w.code, w.text));
  return list;
}

py::object SELECTED_OF(const v::Result& r) {
  const v::SelectedPropeller* s = r.selected();
  if (!s) return py::none();
  py::dict d;
  d["N"] = s->N;
  d["Z"] = s->Z;
  d["J"] = s->J;
  d["KT"] = s->KT;
  d["KQ"] = s->KQ;
  d["eta0"] = s->eta0;
  d["P/D"] = s->pitch_ratio;
  d["EAR"] = s->EAR;
  d["D"] = s->D;
  d["P"] = s->pitch;
  return d;
}

py::object PANDAS(const char* what) {
  try {
    return py::module_::import("pandas");
  } catch (py::error_already_set& e) {
    if (!e.matches(PyExc_ImportError)) throw;
    throw py::import_error(
        std::string(what) +
        " needs pandas (Debian: python3-pandas); the rest of the module does not");
  }
}

// --- the sweep -------------------------------------------------------------------------

// The varied values: a mapping of key to values, or pairs (key, values); the
// first key changes slowest.
std::vector<v::Variable> GRID(const py::handle& vary) {
  const py::object pairs =
      py::hasattr(vary, "items") ? vary.attr("items")() : py::reinterpret_borrow<py::object>(vary);
  std::vector<v::Variable> grid;
  for (const py::handle pair : pairs) {
    const py::tuple kv = py::tuple(py::reinterpret_borrow<py::object>(pair));
    if (kv.size() != 2) REFUSE("vary takes a mapping of key to values, or pairs (key, values)");
    v::Variable var{kv[0].cast<std::string>(), {}};
    const py::object values = py::reinterpret_borrow<py::object>(kv[1]);
    if (py::isinstance<py::str>(values) || !py::hasattr(values, "__iter__"))
      REFUSE("vary: the values of " + var.key + " are not a list of numbers");
    for (const py::handle x : values) var.values.push_back(REAL(x));
    grid.push_back(std::move(var));
  }
  return grid;
}

py::list ROWS(const v::SweepResult& s) {
  std::vector<py::str> names;
  for (const std::string& c : s.columns) names.emplace_back(c);
  py::list rows(s.rows.size());
  for (std::size_t k = 0; k < s.rows.size(); ++k) {
    py::dict row;
    const std::vector<v::Cell>& cells = s.rows[k];
    for (std::size_t c = 0; c < cells.size() && c < names.size(); ++c) {
      const v::Cell& cell = cells[c];
      switch (cell.kind) {
        case v::Cell::Kind::empty:
          row[names[c]] = py::none();
          break;
        case v::Cell::Kind::integer:
          row[names[c]] = py::int_(static_cast<long long>(cell.number));
          break;
        case v::Cell::Kind::number:
          row[names[c]] = py::float_(cell.number);
          break;
        case v::Cell::Kind::text:
          row[names[c]] = py::str(cell.text);
          break;
      }
    }
    rows[k] = std::move(row);
  }
  return rows;
}

// --- docstrings ------------------------------------------------------------------------

constexpr const char* kModuleDoc = R"(VARDELONTEKSA: resistance and powering of a displacement ship.

Holtrop & Mennen resistance, the propulsion factors, the Wageningen B or Gawn
propeller and the power chain, as the `vardelonteksa` program calculates them.

    import vardelonteksa as v
    ship = v.read_ship("myship.toml")        # or a data file VARDELONTEKSA.TSK
    ship.breadth = 33.0                       # or ship["B"] = 33.0
    r = v.calculate(ship, blades=4)           # etad found by passes
    r.trial["PB"], r.speeds["RT"], r.units["RT"]
    rows = v.sweep(ship, vary={"B": [31, 32, 33], "T": [9.5, 10.0]}, blades=4, jobs=2)

Units: lengths m, areas m2, volumes m3, forces kN, powers kW, ship speeds kn,
rpm. Input the program cannot use raises InputError (a ValueError), a file
that cannot be read or written FileError (an OSError), with the program's
message. calculate and sweep release the GIL while the engine works.)";

constexpr const char* kReadShipDoc =
    R"(Reads a ship from a data file, or from a named-key file (*.toml).

Raises FileError (an OSError) when the file cannot be read and InputError (a
ValueError) when it does not read or fails the program's checks, with the
program's message (file, line, group or key).)";

constexpr const char* kCalculateDoc = R"(Calculates a ship as one run of the program does.

ship: a Ship, or the path of a ship file.
blades: the blade number Z (2 to 7); a propulsion ship needs it.
etad: the assumed overall propulsive efficiency; None: found by repeated
    passes from etad_start, as `--etad auto` does.
ear: the expanded area ratio; None keeps Keller's.
consistent: w, t and etaR iterated with the propeller in use (`--consistent`).
method: "classic", "hm1982" or "hm1984" (`--method`).
lang: "tr" or "en", the language of the reports the result writes.

Returns a Result. A run that stops (status 2 or 3) is a result with its stop;
a ship or an answer that cannot be used raises InputError (a ValueError).)";

constexpr const char* kSweepDoc = R"(Calculates every combination of the varied values of a ship.

vary: a mapping of key to values, {"B": [31, 32, 33], "T": [9.5, 10.0]}, or
    pairs (key, values); keys are named keys or data-file symbols ("T" sets
    both draughts); the first key changes slowest.
jobs: the engine's threads (0: every core). hold_cb: keep the block
    coefficient, the displacement following the dimensions.
The other options are those of calculate().

Returns one dict per variant, in variant order, with the columns of the CSV
of `vardelonteksa sweep` (an empty cell is None). A variant that fails its
checks or stops has its status and message in its row.)";

}  // namespace

PYBIND11_MODULE(vardelonteksa, m) {
  m.doc() = kModuleDoc;
  m.attr("__version__") = v::version();
  m.def("version", &v::version, "The program's version, e.g. \"1.4.0\".");

  // Error(Exception); InputError(Error, ValueError); FileError(Error, OSError).
  const py::object error = py::reinterpret_steal<py::object>(PyErr_NewExceptionWithDoc(
      "vardelonteksa.Error",
      "An error of the engine: the program's English message, with its stop code (code), "
      "exit status (status) and console lines (report_lines).",
      PyExc_Exception, nullptr));
  error.attr("code") = "";
  error.attr("status") = EXIT_BAD_INPUT;
  error.attr("report_lines") = py::list();
  m.attr("Error") = error;
  const py::tuple input_bases = py::make_tuple(error, py::handle(PyExc_ValueError));
  m.attr("InputError") = py::reinterpret_steal<py::object>(PyErr_NewExceptionWithDoc(
      "vardelonteksa.InputError", "A value, a key, an option or a file that cannot be used.",
      input_bases.ptr(), nullptr));
  const py::tuple file_bases = py::make_tuple(error, py::handle(PyExc_OSError));
  m.attr("FileError") = py::reinterpret_steal<py::object>(
      PyErr_NewExceptionWithDoc("vardelonteksa.FileError", "A file that cannot be read or written.",
                                file_bases.ptr(), nullptr));
  py::register_local_exception_translator(&TRANSLATE);

  // --- Ship
  py::class_<v::Ship> ship(m, "Ship", R"(A ship: every particular of its data file.

Values are read and set by named key as attributes (ship.breadth) or items
(ship["breadth"], ship["hull.breadth"]), or by data-file symbol as items
(ship["B"]). The values derived from them follow every change. A value outside
its allowed range raises InputError (a ValueError) and leaves the ship as it
was. Ship() is an empty ship; read_ship() reads one.)");
  ship.def(py::init<>())
      .def(
          "__getitem__", [](const v::Ship& s, std::string_view key) { return s.get(key); },
          py::arg("key"))
      .def(
          "__setitem__",
          [](v::Ship& s, std::string_view key, const py::object& x) { s.set(key, REAL(x)); },
          py::arg("key"), py::arg("value"))
      .def("__contains__",
           [](const v::Ship& s, std::string_view key) {
             try {
               s.get(key);
               return true;
             } catch (const v::InputError&) {
               return false;
             }
           })
      .def("__getattr__",
           [](const v::Ship& s, const std::string& name) -> double {
             if (name.empty() || name.front() == '_') throw py::attribute_error(name);
             try {
               return s.get(name);
             } catch (const v::InputError& e) {
               throw py::attribute_error(e.what());
             }
           })
      .def(
          "__setattr__",
          [](py::object self, const std::string& name, py::object value) {
            // The class's own properties first (name, speeds, ...), then the keys.
            if (name.empty() || name.front() == '_' ||
                py::hasattr(py::type::of(self), name.c_str())) {
              py::module_::import("builtins").attr("object").attr("__setattr__")(self, name, value);
              return;
            }
            v::Ship& s = self.cast<v::Ship&>();
            try {
              s.get(name);
            } catch (const v::InputError& e) {
              throw py::attribute_error(e.what());
            }
            s.set(name, REAL(value));
          })
      .def("__dir__",
           [](py::object self) {
             py::list names = py::module_::import("builtins").attr("object").attr("__dir__")(self);
             for (const std::string& k : v::Ship::keys()) names.append(k);
             return names;
           })
      .def_static("keys", &v::Ship::keys,
                  "The named keys of the values (\"breadth\", ...); each is also an attribute.")
      .def_static("symbols", &v::Ship::symbols,
                  "The data-file symbols of the values (\"B\", \"Ta\", ...).")
      .def_property("name", &v::Ship::name, &v::Ship::set_name, "The ship's name.")
      .def_property_readonly("file_name", &v::Ship::file_name,
                             "The name of the file the ship was read from.")
      .def_property("speeds", &v::Ship::speeds, &v::Ship::set_speeds,
                    "The speed list, kn (1 to 50 speeds).")
      .def_property("wave_correction_factors", &v::Ship::wave_correction_factors,
                    &v::Ship::set_wave_correction_factors,
                    "The wave-resistance correction factors: none, or 2 to 10.")
      .def("appendage", &v::Ship::appendage, py::arg("kind"),
           "Appendage kind 1..11: (wetted area m2, given 1+k2; 0: the kind's default).")
      .def("set_appendage", &v::Ship::set_appendage, py::arg("kind"), py::arg("area"),
           py::arg("form_factor") = 0.0, "Sets the wetted area and 1+k2 of appendage kind 1..11.")
      .def("validate", &v::Ship::validate,
           "Makes the checks of a run; InputError (a ValueError) with the program's message.")
      .def("echo", &v::Ship::echo,
           "The echo listing of the values as the program understands them.")
      .def("to_toml", &v::Ship::to_toml,
           "The ship as the text of a named-key file (read back with ship_from_toml).")
      .def(
          "copy", [](const v::Ship& s) { return v::Ship(s); }, "A copy with values of its own.")
      .def("__copy__", [](const v::Ship& s) { return v::Ship(s); })
      .def("__deepcopy__", [](const v::Ship& s, py::object) { return v::Ship(s); })
      .def(py::pickle([](const v::Ship& s) { return py::make_tuple(s.to_toml(), s.file_name()); },
                      [](const py::tuple& t) {
                        return v::ship_from_toml(t[0].cast<std::string>(),
                                                 t[1].cast<std::string>());
                      }))
      .def("__repr__", [](const v::Ship& s) {
        return "<vardelonteksa.Ship " + py::repr(py::str(s.name())).cast<std::string>() + " from " +
               s.file_name() + ">";
      });

  m.def("read_ship", &v::read_ship, py::arg("path"), py::call_guard<py::gil_scoped_release>(),
        kReadShipDoc);
  m.def("ship_from_toml", &v::ship_from_toml, py::arg("text"), py::arg("file_name") = "ship.toml",
        "Reads a ship from the text of a named-key file; InputError when it does not read.");

  // --- Result
  py::class_<Table> table(m, "ResultTable",
                          "The values of a result by the keys of its files (a read-only mapping).");
  table.def("__getitem__", &Table::get, py::arg("key"))
      .def("__contains__", &Table::contains)
      .def("__len__", [](const Table& t) { return t.keys().size(); })
      .def("__iter__", [](const Table& t) { return py::iter(py::cast(t.keys())); })
      .def("keys", &Table::keys)
      .def("values",
           [](const Table& t) {
             py::list list;
             for (const std::string& k : t.keys()) list.append(t.get(k));
             return list;
           })
      .def("items",
           [](const Table& t) {
             py::list list;
             for (const std::string& k : t.keys()) list.append(py::make_tuple(k, t.get(k)));
             return list;
           })
      .def(
          "get",
          [](const Table& t, const std::string& key, py::object fallback) {
            return t.contains(key) ? t.get(key) : fallback;
          },
          py::arg("key"), py::arg("default") = py::none())
      .def("__repr__", [](const Table& t) {
        return "ResultTable(" + py::repr(t.as_dict()).cast<std::string>() + ")";
      });
  py::module_::import("collections.abc").attr("Mapping").attr("register")(table);

  py::class_<PyResult, std::shared_ptr<PyResult>>(m, "Result",
                                                  "The result of calculate(): one run of the ship.")
      .def_property_readonly(
          "status", [](const PyResult& p) { return p.r.status(); },
          "The exit status the program would give: 0 normal end, 2 a calculation stop, 3 etad "
          "mismatch.")
      .def_property_readonly(
          "method", [](const PyResult& p) { return METHOD_NAME(p.r.method()); },
          "The method: \"classic\", \"hm1982\" or \"hm1984\".")
      .def_property_readonly(
          "lang", [](const PyResult& p) { return p.lang == v::Language::english ? "en" : "tr"; },
          "The language of the reports it writes.")
      .def_property_readonly(
          "stop", [](const PyResult& p) { return STOP_OF(p.r); },
          "(code, message) of the stop that ended the run, or None after a normal end.")
      .def_property_readonly(
          "warnings", [](const PyResult& p) { return WARNINGS_OF(p.r); },
          "The warnings: a list of (code, message).")
      .def_property_readonly(
          "speeds",
          [](const std::shared_ptr<PyResult>& p) {
            return Table{p, Table::Kind::speeds};
          },
          "The per-speed values by the keys of the JSON file's per_speed group "
          "(Result.speed_keys): "
          "numpy arrays when numpy can be imported, else lists; NaN where not computed.")
      .def_property_readonly(
          "units",
          [](const std::shared_ptr<PyResult>& p) {
            return Table{p, Table::Kind::units};
          },
          "The unit of every per-speed and trial key (\"\" for a plain number).")
      .def_property_readonly(
          "trial",
          [](const std::shared_ptr<PyResult>& p) {
            return Table{p, Table::Kind::trial};
          },
          "The trial point by the keys of the JSON file's trial group (Result.trial_keys): "
          "floats, None where the run did not get there.")
      .def_property_readonly(
          "selected", [](const PyResult& p) { return SELECTED_OF(p.r); },
          "The report's selected-propeller block (N, Z, J, KT, KQ, eta0, P/D, EAR, D, P), or None.")
      .def_static(
          "speed_keys",
          [] {
            py::list list;
            for (const v::Quantity& q : v::Result::speed_quantities()) list.append(q.key);
            return list;
          },
          "The keys of Result.speeds.")
      .def_static(
          "trial_keys",
          [] {
            py::list list;
            for (const v::Quantity& q : v::Result::trial_quantities()) list.append(q.key);
            return list;
          },
          "The keys of Result.trial.")
      .def_static(
          "quantities",
          [] {
            py::dict d;
            for (const auto* qs : {&v::Result::speed_quantities(), &v::Result::trial_quantities()})
              for (const v::Quantity& q : *qs) {
                py::dict e;
                e["symbol"] = q.symbol;
                e["unit"] = q.unit;
                e["name"] = q.name;
                e["description"] = q.description;
                d[py::str(q.key)] = e;
              }
            return d;
          },
          "The catalogue of the keys: {key: {symbol, unit, name, description}}.")
      .def(
          "to_json", [](const PyResult& p) { return p.r.to_json(); },
          "The text of the JSON file of this run.")
      .def(
          "to_dict",
          [](const PyResult& p) {
            return py::module_::import("json").attr("loads")(p.r.to_json());
          },
          "The whole run as the JSON file holds it (same structure and keys).")
      .def(
          "speeds_frame",
          [](const std::shared_ptr<PyResult>& p) {
            const py::object pd = PANDAS("speeds_frame");
            py::dict columns;
            const Table t{p, Table::Kind::speeds};
            for (const std::string& k : t.keys()) columns[py::str(k)] = t.get(k);
            py::object frame = pd.attr("DataFrame")(columns);
            frame.attr("attrs")["units"] = Table{p, Table::Kind::units}.as_dict();
            return frame;
          },
          "The per-speed values as a pandas DataFrame (needs pandas); units in .attrs[\"units\"].")
      .def(
          "write_report",
          [](const PyResult& p, const fs::path& path, std::optional<std::string> lang) {
            const v::Language l = lang ? LANGUAGE(*lang) : p.lang;
            py::gil_scoped_release nogil;
            p.r.write_report(path, l);
          },
          py::arg("path"), py::arg("lang") = py::none(),
          "Writes the results file (the report), in the result's language unless lang is given.")
      .def(
          "write_json",
          [](const PyResult& p, const fs::path& path) {
            py::gil_scoped_release nogil;
            p.r.write_json(path);
          },
          py::arg("path"), "Writes the JSON file (as --json).")
      .def(
          "write_csv",
          [](const PyResult& p, const fs::path& folder) {
            py::gil_scoped_release nogil;
            p.r.write_csv(folder);
          },
          py::arg("folder"), "Writes one CSV file per table into the folder (as --csv).")
      .def(
          "write_plots",
          [](const PyResult& p, const fs::path& folder) {
            py::gil_scoped_release nogil;
            p.r.write_plots(folder);
          },
          py::arg("folder"), "Draws the run's SVG figures into the folder (as --plots).")
      .def(
          "write_html",
          [](const PyResult& p, const fs::path& path) {
            py::gil_scoped_release nogil;
            p.r.write_html(path);
          },
          py::arg("path"), "Writes the one-page HTML summary (as --html).")
      .def("__repr__", [](const PyResult& p) {
        std::string s = "<vardelonteksa.Result status " + std::to_string(p.r.status()) + ", " +
                        METHOD_NAME(p.r.method());
        if (const v::TrialPoint* t = p.r.trial()) s += ", PB " + std::to_string(t->PB) + " kW";
        if (const v::Stop* stop = p.r.stop()) s += ", stop " + stop->code;
        return s + ">";
      });

  m.def(
      "calculate",
      [](const py::object& ship, std::optional<double> blades, std::optional<double> etad,
         double etad_start, std::optional<double> ear, bool consistent, std::string_view method,
         std::string_view lang) {
        const v::Ship s = SHIP_ARG(ship);  // a copy: another thread may change the original
        const v::Options o = OPTIONS(blades, etad, etad_start, ear, consistent, method);
        const v::Language l = LANGUAGE(lang);
        std::optional<v::Result> r;
        {
          py::gil_scoped_release nogil;
          r.emplace(v::calculate(s, o));
        }
        return std::make_shared<PyResult>(PyResult{std::move(*r), l});
      },
      py::arg("ship"), py::kw_only(), py::arg("blades") = py::none(), py::arg("etad") = py::none(),
      py::arg("etad_start") = 0.60, py::arg("ear") = py::none(), py::arg("consistent") = false,
      py::arg("method") = "classic", py::arg("lang") = "tr", kCalculateDoc);

  m.def(
      "sweep",
      [](const py::object& ship, const py::object& vary, std::optional<double> blades,
         std::optional<double> etad, double etad_start, std::optional<double> ear, bool consistent,
         std::string_view method, long long jobs, bool hold_cb) {
        const v::Ship s = SHIP_ARG(ship);
        const std::vector<v::Variable> grid = GRID(vary);
        const v::Options o = OPTIONS(blades, etad, etad_start, ear, consistent, method);
        if (jobs < 0 || jobs > 1024) REFUSE("jobs must be 0 (every core) to 1024");
        std::optional<v::SweepResult> r;
        {
          py::gil_scoped_release nogil;
          r.emplace(v::sweep(s, grid, o, static_cast<unsigned>(jobs), hold_cb));
        }
        return ROWS(*r);
      },
      py::arg("ship"), py::arg("vary"), py::kw_only(), py::arg("blades") = py::none(),
      py::arg("etad") = py::none(), py::arg("etad_start") = 0.60, py::arg("ear") = py::none(),
      py::arg("consistent") = false, py::arg("method") = "classic", py::arg("jobs") = 0,
      py::arg("hold_cb") = false, kSweepDoc);

  m.def(
      "to_frame", [](const py::object& rows) { return PANDAS("to_frame").attr("DataFrame")(rows); },
      py::arg("rows"), "The rows of sweep() as a pandas DataFrame (needs pandas).");
}
