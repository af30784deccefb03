#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// A failure of the database met by a collection: the text the user reads (the database's message
// inside it), the side it marks (the index: FalhaBancoIndice; the declaration: FalhaBanco; or
// none), whether it is shown (a second failure of the index connection is not) and whether the
// program ends for it.
//
// A fatal one is thrown, and nothing on its way up catches it: the program's guard marks its side,
// shows it and ends the process with status 1, writing nothing more (what unwinds only rolls
// back). It is no std::exception on purpose: the handlers written for ordinary failures
// (catch (const std::exception&)) cannot take it, and a catch (...) on its way passes it on. One
// the work survives (a database of another version, a list that could not be opened, the index
// collection's own transactions) is handed to AvisaFalhaBanco and the work goes on.
class EFalhaBanco {
 public:
  enum class Lado : uint8_t { Nenhum, Indice, Declaracao };

  EFalhaBanco(const QString& mensagem, Lado lado, bool fatal = true, bool exibe = true);

  const QString& Mensagem() const { return m_mensagem; }
  Lado GetLado() const { return m_lado; }
  bool Fatal() const { return m_fatal; }
  bool Exibe() const { return m_exibe; }
  // Sets the flag of its side.
  void Marca() const;

 private:
  QString m_mensagem;
  Lado m_lado;
  bool m_fatal;
  bool m_exibe;
};

// What the program does with a failure: the guard installs it at start (it shows the failure and
// ends the process on a fatal one); tests install one that records. Returns the one it replaces.
using TratadorFalhaBanco = std::function<void(const EFalhaBanco&)>;
TratadorFalhaBanco DefineTratadorFalhaBanco(TratadorFalhaBanco tratador);

// Marks the failure's side, then hands it to the installed handler. Without one the text is only
// logged, and a fatal failure ends the process with status 1. For failures the work survives, and
// for a fatal one met where nothing can be thrown (a destructor).
void AvisaFalhaBanco(const EFalhaBanco& falha);
