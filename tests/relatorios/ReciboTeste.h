#pragma once

// Declaration files with their envelope and delivery receipts with their chained check values,
// built here on their own (zlib's CRC-32, Qt's MD5) for the receipt checks to read.

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>

#include "plataforma/integridade/EnvelopeTolv.h"
#include "relatorios/recibo/ConferenciaRecibo.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/CaixaMensagemFalsa.h"

namespace recibo_teste {

// The tuple the stand-in signature plug-in accepts.
inline const QByteArray kNiEmpresa = "11444777000161";
inline const QByteArray kControle = "2270759598";
inline const QByteArray kAutenticacao = "Q1W2E3R4T5";
inline const QByteArray kRecepcao = "15032014102030";  // ddmmyyyyhhmmss

inline QByteArray Verificacao(const QByteArray& texto) {
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(texto.constData()), uInt(texto.size()));
  return QByteArray::number(qulonglong(crc)).rightJustified(10, '0');
}

inline QByteArray Linhas(std::initializer_list<const char*> linhas) {
  QByteArray r;
  for (const char* l : linhas) r += QByteArray(l) + "\r\n";
  return r;
}

// A company's small declaration.
inline QByteArray RegistrosEmpresa() {
  return Linhas({"TOLV|2014|2013|N||F8UCL6S|", "RESPO|22233344405|MARIA|61|33334444|||MARIA@PADARIA.COM.BR|",
                 "DECPJ|11444777000161|PADARIA PAO D'AGUA LTDA|0|11144477735|N|S|S|S|S|S|N||", "IDREC|0561|",
                 "BPFDEC|01234567890|ANA|20130510|", "RTRT|100000|100001|||||||||||50000|", "FIMTOLV|"});
}

// Appends an envelope as the writer does: a Base64 attribute before the digest, the digest of
// what the file holds so far, then the control number (none when not given).
inline void AnexaEnvelope(const QString& caminho, const std::optional<QByteArray>& controle = kControle) {
  EnvelopeTolv e;
  ASSERT_EQ(e.Abrir(1, caminho), EnvelopeTolv::kOk);
  ASSERT_EQ(e.SetValor(QStringLiteral("sistema"), QStringLiteral("TOLV")), EnvelopeTolv::kOk);
  ASSERT_EQ(e.SetValorB64(QStringLiteral("area_reservada"), QByteArray(250, '7')), EnvelopeTolv::kOk);
  ASSERT_EQ(e.SetValorB64(QStringLiteral("hash_arquivo"),
                          QCryptographicHash::hash(conteudo(caminho), QCryptographicHash::Md5)),
            EnvelopeTolv::kOk);
  if (controle) {
    ASSERT_EQ(e.SetValor(QStringLiteral("controle_bvd"), QString::fromLatin1(*controle)), EnvelopeTolv::kOk);
  }
  ASSERT_EQ(e.SalvarEnvelope(), EnvelopeTolv::kOk);
}

// A notice record without its check value, every field in its place.
struct Aviso {
  char tipo = '1';
  QByteArray marcador = "<V01>";
  QByteArray multa = "000000000012345";
  QByteArray contagem1 = "000000120";
  QByteArray contagem2 = "000000100";
  QByteArray Linha() const {
    QByteArray l(276, ' ');
    auto poe = [&](int posicao, const QByteArray& v) { l.replace(posicao - 1, v.size(), v); };
    poe(1, "NC");
    poe(3, "0810100");
    poe(10, "03");
    poe(12, "000000001000000");
    poe(27, "10.000,00 x 3 x 2% x 50%");
    poe(77, multa);
    l[91] = tipo;
    poe(93, "  123456");
    poe(101, "JO\xC3O DA SILVA");  // Windows-1252
    poe(161, "1");
    poe(162, "2");
    poe(177, marcador);
    poe(213, "20140415");
    poe(221, contagem1);
    poe(230, contagem2);
    poe(239, "000002");
    poe(245, "20140331");
    poe(261, "20140430");
    poe(269, "20140410");
    return l;
  }
};

// A delivery receipt: each record closed by the check value of the chain up to it.
struct Recibo {
  QByteArray ni = kNiEmpresa;
  QByteArray niRC;  // the RC's own tax number when not empty
  QByteArray recepcao = kRecepcao;
  QByteArray autenticacao = kAutenticacao;
  QByteArray nc;                                           // none when empty
  std::optional<QByteArray> vc = QByteArray("VC 0;0;0;");  // none when absent
  int ajusteRC = 0;  // characters more or fewer in the part of RC that is not read

  QList<QByteArray> Registros() const {
    QByteArray cadeia;
    const auto fecha = [&](const QByteArray& parte) {
      cadeia += parte;
      return parte + Verificacao(cadeia);
    };
    QList<QByteArray> r;
    r << fecha("HC" + ni.leftJustified(14, ' '));
    r << fecha("RC" + (niRC.isEmpty() ? ni : niRC).leftJustified(14, ' ') + recepcao + QByteArray(29, '0') +
               autenticacao + QByteArray(52 + ajusteRC, 'X'));
    if (!nc.isEmpty()) r << fecha(nc);
    if (vc) r << fecha(*vc);
    r << fecha("TC" + QByteArray(46, ' '));
    return r;
  }
  static QByteArray Junta(const QList<QByteArray>& registros) { return registros.join("\r\n") + "\r\n"; }
  QByteArray Bytes() const { return Junta(Registros()); }
};

// A folder with one declaration file and its receipt, checked with the stand-in plug-in.
class PastaRecibo : public testing::Test {
 protected:
  QString Declaracao() const { return m_pasta.filePath(QStringLiteral("11444777000161-TOLV-2014-2013-ORIGI-NORMAL.DEC")); }
  QString ReciboArquivo() const { return Declaracao().chopped(3) + QStringLiteral("REC"); }
  void GravaDeclaracao(const QByteArray& registros = RegistrosEmpresa(),
                       const std::optional<QByteArray>& controle = kControle) {
    ASSERT_TRUE(escreve(Declaracao(), registros));
    AnexaEnvelope(Declaracao(), controle);
  }
  void GravaRecibo(const QByteArray& bytes) { ASSERT_TRUE(escreve(ReciboArquivo(), bytes)); }
  ResultadoRecibo Confere(const QString& plugin = QStringLiteral(TOLV_VORSAK_FALSA)) {
    ConferenciaRecibo conferencia(plugin);
    return conferencia.Confere(Declaracao());
  }

  QTemporaryDir m_pasta;
  // No question may open: every message is recorded.
  CaixaMensagemFalsa m_caixa{ResultadoMensagem::Nao};
};

}  // namespace recibo_teste
