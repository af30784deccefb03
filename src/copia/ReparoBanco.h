#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace bd {
class ExecucaoServico;
}

// The work of a database repair, apart from its window: the declaration's database is mended and
// validated in place, backed up into <name>.GBK and restored into <name>.FBK, which then takes its
// place by one checked rename. A copy of the database as it was (<name>.ORI) is kept from before
// the mending until the repair ends: a repair that fails or is stopped puts it back, so the
// database is left as it was. Every step writes its line to the log.
class ReparoBanco {
 public:
  enum class Fim { Concluido, Parado, Falhou };

  using Registro = std::function<void(const QString& linha)>;
  // Called often while the work runs: lets the window paint and take clicks; true once the user
  // asked to stop.
  using Pausa = std::function<bool()>;
  // Puts `origem` in the place of `destino`; false with the reason when it could not.
  using Substituicao = std::function<bool(const QString& origem, const QString& destino, QString* erro)>;

  // `arquivo`: the declaration's database as the index names it, a bare name in `pastaDados`.
  ReparoBanco(const QString& pastaDados, const QString& arquivo);

  const QString& Banco() const { return m_banco; }
  const QString& Copia() const { return m_copia; }
  const QString& Novo() const { return m_novo; }
  const QString& Original() const { return m_original; }
  // How a file is renamed over a database: the restored one, or the original put back (tests
  // make it fail).
  void DefineSubstituicao(Substituicao substituicao) { m_substitui = std::move(substituicao); }

  // No connection of this process may hold the database. A failure leaves its reason in Mensagem().
  Fim Executa(const Registro& registro, const Pausa& pausa);
  const QString& Mensagem() const { return m_mensagem; }

 private:
  struct Parada {};
  void GuardaOriginal(const Pausa& pausa);
  QStringList Roda(bd::ExecucaoServico servico, const Pausa& pausa);
  void RegistraAchados(const QStringList& saida);
  // After a failure or a stop: the database as it was, and the work files gone when asked.
  void Desfaz(bool apagaTrabalho);
  void Remove(const QString& arquivo);

  QString m_arquivo, m_banco, m_copia, m_novo, m_original;
  Substituicao m_substitui;
  Registro m_registro;
  QString m_mensagem;
  bool m_guardado = false;   // the copy of the original was made by this run
  bool m_trabalhou = false;  // the work files are this run's
};
