#pragma once

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "AnaliseArquivoTeste.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "validador/TArquivoDados.h"
#include "validador/TDataAccess.h"
#include "validador/TLinhaI.h"
#include "validador/TobjectPersistencia.h"

namespace gravacao_teste {

inline const QString kCnpj = QStringLiteral("11444777000161");
inline const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");
inline const QString kCabecalho = QStringLiteral("TOLV|2014|2013|N||F8UCL6S|");
inline const QString kRespo = QStringLiteral("RESPO|11144477735|JOSE DA SILVA|61|33334444|12|33335555|JOSE@EXEMPLO.COM|");
inline const QString kDecpj =
    QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA |0|11144477735|N|N|N|N|S|N|N||");

// A monthly record: its identifier and the values of January to December and the thirteenth
// (cents as the file has them; missing ones empty).
inline QString Mensal(const QString& tipo, QStringList valores) {
  while (valores.size() < 13) valores << QString();
  return tipo + u'|' + valores.join(u'|') + u'|';
}

// The header of a company's declaration, the lines given and the trailer.
inline QStringList Declaracao(const QStringList& corpo) {
  return QStringList{kCabecalho, kRespo, kDecpj} + corpo + QStringList{QStringLiteral("FIMTOLV|")};
}

// A program folder with the shipped databases, a run state for the company's declaration of
// 2013, and storing passes over lines given by the test.
class ComGravacao : public analise_teste::ComAnalise {
 protected:
  void SetUp() override {
    ComAnalise::SetUp();
    m_dados = std::make_unique<TArquivoDados>(CaminhoLog());
    m_dados->VersaoLeiaute = 4;
    m_dados->NiDeclarante = kCnpj;
    m_dados->TipoDeclarante = 2;
    m_dados->AnoCalendario = QStringLiteral("2013");
    m_dados->ArquivoBanco = kBanco;
  }
  void TearDown() override {
    m_dados.reset();
    ComAnalise::TearDown();
  }

  // One storing pass over the lines, as the run makes it; an INF line is stored only when
  // `infExiste` says its beneficiary exists.
  using ExisteInf = std::function<bool(TDataAccess& banco, const QString& ni)>;
  void Importa(const QStringList& linhas, const ExisteInf& infExiste = {}) {
    auto banco = TDataAccess::CreateBanco(kBanco);
    banco->AlteraModoEscrita();
    TobjectPersistencia persistencia(*banco, *m_dados);
    TLinhaI linha;
    for (const QString& texto : linhas) {
      linha.Define(texto);
      std::optional<bool> permissao;
      if (linha.GetTipo() == TTipoRegistro::INF) permissao = !infExiste || infExiste(*banco, linha.Campo(1));
      persistencia.Importa(linha, permissao);
    }
    persistencia.Conclui();
    banco->RestauraModoEscrita();
  }

  // The first row of a query on a database of the folder, each column as the database layer
  // shows it ("<nulo>" for null); empty when there is no row.
  QStringList Linha(const QString& sql, const QString& arquivo = kBanco) const {
    bd::Conexao c(m_pasta.dados() + u'/' + arquivo);
    c.conecta();
    bd::Transacao t(c);
    bd::Consulta q(t, sql);
    q.abre();
    QStringList r;
    if (q.eof()) return r;
    for (int i = 1; i <= q.quantidadeCampos(); ++i)
      r << (q.campo(i).nulo() ? QStringLiteral("<nulo>") : q.campo(i).valor().comoTexto().trimmed());
    return r;
  }
  QString Valor(const QString& sql, const QString& arquivo = kBanco) const { return m_pasta.le(arquivo, sql); }

  std::unique_ptr<TArquivoDados> m_dados;
};

}  // namespace gravacao_teste
