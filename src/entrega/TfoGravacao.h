#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "entrega/EstadoGravacao.h"

namespace bd {
class Conexao;
class Transacao;
}  // namespace bd
class ContextoGravacao;
class IDestinoBytes;
class QFileDevice;

// The declaration-file writer: with a connection of its own to the declaration's database, it
// writes the file from the header to the envelope. Without widgets: the caller follows the
// progress and asks for a cancel through the hooks.
//
// The file is written under a temporary name in the target folder and takes the target's name
// only once its envelope is in place: a failed or cancelled writing leaves the previous file
// (and its text copy) as it was and nothing half-written behind.
class TfoGravacao {
 public:
  struct Ganchos {
    // At most every 100 ms while items go by, and once at the end with the maximum.
    std::function<void(int64_t posicao, int64_t maximo)> Progresso;
    // Asked at every row; once it answered true the writing is cancelled.
    std::function<bool()> Cancelado;
    // "Esta declaração já foi gravada, deseja sobrescrevê-la?"; the program's message box when
    // not set.
    std::function<bool(const QString& pergunta)> ConfirmaSobrescrita;
    // Where the records go (tests: a destination that fails); the file itself when not set.
    std::function<std::unique_ptr<IDestinoBytes>(QFileDevice& arquivo)> Destino;
  };

  // Result codes: numbers of the message catalogue.
  static constexpr int kSemErro = 0;
  static constexpr int kSemEspaco = 99;
  static constexpr int kExisteRecibo = 100;
  static constexpr int kCancelada = 102;
  static constexpr int kNaoCriou = 233;

  explicit TfoGravacao(const QString& bancoDeclaracao);
  ~TfoGravacao();
  TfoGravacao(const TfoGravacao&) = delete;
  TfoGravacao& operator=(const TfoGravacao&) = delete;

  Ganchos& GetGanchos() { return m_ganchos; }
  // The calendar year, declaration type, receipt and federative unit are set here before the
  // writing; the rest of the state is the writing's.
  EstadoGravacao& Estado() { return m_estado; }

  // Lines, payments abroad, dependants and accumulated-income items: the work of one writing.
  int64_t ContaItens();
  void DefineMaximoProgresso(int64_t maximo);
  int64_t IntervaloProgresso() const { return m_intervalo; }

  // Writes the file at the path, its last three characters replaced by "DEC" (the name is
  // changed in place); with `copiaTexto` also the records alone under "TXT". Answers 0, 102
  // (overwrite refused, or cancelled) or 233 (the file cannot be created). Any other failure
  // answers 0 with FalhaGravacao() set and its text in MensagemFalha().
  int GravaDeclaracao(QString& nomeArquivo, bool copiaTexto);

  bool FalhaGravacao() const { return m_falha; }
  const QString& MensagemFalha() const { return m_mensagemFalha; }
  const QString& NomeArquivoGravacao() const { return m_nomeArquivo; }

 private:
  void Conecta();
  void Desconecta() noexcept;
  bool Cancelado();
  void Avanca();
  void Falha(const QString& classe, const QString& mensagem, bool esperado);
  void LeIndicadores();

  void GeraCabecalho(ContextoGravacao& contexto);
  void GeraRespo(ContextoGravacao& contexto);
  void FinalizaProcesso(ContextoGravacao& contexto);
  void MontaEnvelope(const QString& caminho);
  QByteArray AreaReservada();

  QString m_banco;
  std::unique_ptr<bd::Conexao> m_conexao;
  std::unique_ptr<bd::Transacao> m_transacao;
  Ganchos m_ganchos;
  EstadoGravacao m_estado;
  QString m_nomeArquivo;
  bool m_cancelada = false;
  bool m_falha = false;
  QString m_mensagemFalha;
  int64_t m_maximo = 0;
  int64_t m_intervalo = 1;
  int64_t m_posicao = 0;
  QElapsedTimer m_relogio;
  static constexpr qint64 kPausaProgressoMs = 100;
};
