#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QPixmap;
class QWidget;

namespace relatorio {
class Relatorio;
}
class PastaProgramaTemp;

// Pictures of the program's windows, for people to look at: each group draws its windows in the
// states worth seeing and saves one PNG per window and state, named after the window's class
// ("TTolv2014.png", "TTolv2014-declaracao.png").
namespace telas {

class Contexto {
 public:
  explicit Contexto(QString pastaSaida);
  ~Contexto();

  // Lays the window out at its size, lets it paint and writes <nome>.png.
  void salva(QWidget& janela, const QString& nome);
  // A program folder with the shipped databases, made on first use and shared by the groups;
  // the program folder points at it.
  PastaProgramaTemp& pasta();
  const QStringList& salvas() const { return m_salvas; }

 private:
  QString m_saida;
  QStringList m_salvas;
  PastaProgramaTemp* m_pasta = nullptr;
};

using Desenho = std::function<void(Contexto&)>;

// The first page of a report, prepared, on white, at the size of the paper on the screen.
QPixmap PrimeiraPagina(relatorio::Relatorio& rel);

// Adds a group of drawings; the program runs every group, in the order of their names.
bool registra(const char* grupo, Desenho desenho);

}  // namespace telas

// Defines and registers a group of drawings: TOLV_TELAS(Controles) { ... ctx.salva(w, "T..."); }
#define TOLV_TELAS(grupo)                                                              \
  static void telas_##grupo(telas::Contexto& ctx);                                     \
  [[maybe_unused]] static const bool telas_registrado_##grupo = telas::registra(#grupo, telas_##grupo); \
  static void telas_##grupo(telas::Contexto& ctx)
