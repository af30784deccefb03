#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

#include "relatorios/recibo/EstadoRecibo.h"
#include "relatorios/recibo/ExtratoDeclaracao.h"
#include "relatorios/recibo/ReciboEntrega.h"

class BibliotecaAssinatura;

// What the checks of one declaration file give the printing of its delivery receipt.
struct ResultadoRecibo {
  EstadoRecibo Estado = EstadoRecibo::Conferido;
  QString ArquivoDeclaracao;  // as found on disk; empty when there is none
  QString ArquivoRecibo;      // as found on disk; empty when there is none
  ExtratoDeclaracao Extrato;
  // The envelope's control number (10 digits) and the receipt number made from it,
  // 99.99.99.99.99-99.
  QString Controle;
  QString NumeroRecibo;
  ReciboEntrega Recibo;

  bool Conferido() const { return Estado == EstadoRecibo::Conferido; }
  int CodigoMensagem() const { return CodigoMensagemRecibo(Estado); }
  QString Mensagem() const { return MensagemRecibo(Estado); }
};

// The checks that come before a delivery receipt prints, one declaration file at a time: the
// declaration file against its envelope's digest, its extract, and the receipt file beside it
// with its records, its chain of check values and its signature. Uses no widget and never shows
// a text of its own: the outcome is a state whose message the caller shows. The one question it
// may ask, through the message box, is to try again on a receipt file that exists but does not
// open. The signature plug-in is loaded at the first receipt that needs it and kept.
class ConferenciaRecibo {
 public:
  // The plug-in's absolute path; by default the one the settings give.
  ConferenciaRecibo();
  explicit ConferenciaRecibo(const QString& bibliotecaAssinatura);
  ~ConferenciaRecibo();
  ConferenciaRecibo(const ConferenciaRecibo&) = delete;
  ConferenciaRecibo& operator=(const ConferenciaRecibo&) = delete;

  // One turn. The name may end in any three-character extension: the receipt is the file of that
  // name with "REC", the declaration the one with "DEC" (letter case ignored).
  ResultadoRecibo Confere(const QString& arquivo);

  // The Base64 text of the MD5 digest of the declaration file without its envelope (the whole
  // file when it has none); nothing when the file cannot be read.
  static std::optional<QString> CalcularHashDeclaracao(const QString& arquivo);
  // The digest the envelope holds, as Base64 text; nothing without a readable envelope.
  static std::optional<QString> LerHashEnvelope(const QString& arquivo);
  // Both known and equal.
  static bool ConfereHash(const std::optional<QString>& calculado, const std::optional<QString>& armazenado);

 private:
  void LerRecibo(ResultadoRecibo& r);
  bool ConfereAssinatura(ResultadoRecibo& r);

  QString m_caminhoAssinatura;
  std::unique_ptr<BibliotecaAssinatura> m_assinatura;
};
